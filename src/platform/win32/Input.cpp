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
