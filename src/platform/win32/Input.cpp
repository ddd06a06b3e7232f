#include "platform/win32/Input.h"

#include <windows.h>

#include "platform/win32/Foreground.h"
#include "platform/win32/Handles.h"

namespace win32 {

plat::Point Input::CursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void Input::SetCapture(plat::WindowRef window) { ::SetCapture(ToHwnd(window)); }

void Input::ReleaseCapture() { ::ReleaseCapture(); }

void Input::SetFocus(plat::WindowRef window) { ::SetFocus(ToHwnd(window)); }

void Input::SetForegroundWindow(plat::WindowRef window) { ::SetForegroundWindow(ToHwnd(window)); }

plat::WindowRef Input::ForegroundWindow() { return ToRef(::GetForegroundWindow()); }

namespace {
// The main window's one hotkey.
constexpr int kHotkeyId = 1;
static_assert(plat::hotkey::kAlt == MOD_ALT && plat::hotkey::kControl == MOD_CONTROL &&
              plat::hotkey::kShift == MOD_SHIFT && plat::hotkey::kWin == MOD_WIN);
}  // namespace

bool Input::RegisterHotkey(plat::WindowRef main, unsigned combination) {
    UnregisterHotkey(main);
    const unsigned key = plat::hotkey::Key(combination);
    if (key == 0) return false;
    // Our flags are the system's; held down, the key says so once.
    const UINT modifiers = plat::hotkey::Modifiers(combination) | MOD_NOREPEAT;
    if (!::RegisterHotKey(ToHwnd(main), kHotkeyId, modifiers, key)) return false;
    m_hotkeyOwner = main;
    return true;
}

void Input::UnregisterHotkey(plat::WindowRef main) {
    if (m_hotkeyOwner != main) return;
    ::UnregisterHotKey(ToHwnd(main), kHotkeyId);
    m_hotkeyOwner = {};
}

void Input::WatchForeground(plat::WindowRef main) {
    StopWatchingForeground();
    StartForegroundWatch(ToHwnd(main));
    m_watching = main;
}

void Input::StopWatchingForeground() {
    if (m_watching) StopForegroundWatch(ToHwnd(m_watching));
    m_watching = {};
}

}  // namespace win32
