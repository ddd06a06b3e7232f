#include "platform/fake/FakeInput.h"

#include <utility>

namespace fake {

void FakeInput::SetCapture(plat::WindowRef window) {
    m_log.push_back("Input.SetCapture");
    captured = window;
}

void FakeInput::ReleaseCapture() {
    m_log.push_back("Input.ReleaseCapture");
    captured = {};
}

void FakeInput::SetFocus(plat::WindowRef window) {
    const plat::WindowRef before = std::exchange(focused, window);
    if (before != window && focusMoved) focusMoved(before, window);
}

void FakeInput::SetForegroundWindow(plat::WindowRef window) {
    m_log.push_back("Input.SetForegroundWindow");
    foreground.push_back(window);
    foregroundNow = window;
}

bool FakeInput::RegisterHotkey(plat::WindowRef main, unsigned combination) {
    m_log.push_back("Input.RegisterHotkey " + std::to_string(combination));
    hotkey = 0;
    hotkeyOwner = {};
    if (combination == 0 || takenHotkeys.count(combination) != 0) return false;
    hotkey = combination;
    hotkeyOwner = main;
    return true;
}

void FakeInput::UnregisterHotkey(plat::WindowRef main) {
    m_log.push_back("Input.UnregisterHotkey");
    if (hotkeyOwner != main) return;
    hotkey = 0;
    hotkeyOwner = {};
}

void FakeInput::WatchForeground(plat::WindowRef main) {
    m_log.push_back("Input.WatchForeground");
    watching = main;
}

void FakeInput::StopWatchingForeground() {
    m_log.push_back("Input.StopWatchingForeground");
    watching = {};
}

}  // namespace fake
