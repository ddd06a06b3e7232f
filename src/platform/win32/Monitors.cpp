#include "platform/win32/Monitors.h"

#include <windows.h>

namespace win32 {

plat::Size Monitors::ScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool Monitors::OnSomeMonitor(plat::Rect rect) {
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    return MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr;
}

}  // namespace win32
