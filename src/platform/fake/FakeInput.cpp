#include "platform/fake/FakeInput.h"

namespace fake {

void FakeInput::SetCapture(plat::WindowRef window) {
    m_log.push_back("Input.SetCapture");
    captured = window;
}

void FakeInput::ReleaseCapture() {
    m_log.push_back("Input.ReleaseCapture");
    captured = {};
}

void FakeInput::SetForegroundWindow(plat::WindowRef window) {
    m_log.push_back("Input.SetForegroundWindow");
    foreground.push_back(window);
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
