#include "platform/win32/Monitors.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/Handles.h"

namespace win32 {

namespace {

// Both calls come with Windows 10 1607 (the window's) and 8.1 (the monitor's, in shcore); they
// are looked up at run time so that a system or a Wine without them still starts, with the
// screen's own DPI in their place.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

template <typename Fn>
Fn Lookup(const wchar_t* module, const char* name) {
    HMODULE handle = GetModuleHandleW(module);
    // From the system's folder only, never a copy in ours or in the current one.
    if (handle == nullptr) handle = LoadLibraryExW(module, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (handle == nullptr) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
}

GetDpiForWindowFn WindowDpiCall() {
    static const auto fn = Lookup<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    return fn;
}

GetDpiForMonitorFn MonitorDpiCall() {
    static const auto fn = Lookup<GetDpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor");
    return fn;
}

int ScreenDpi() {
    const WindowDc screen(nullptr);
    const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : plat::kBaseDpi;
}

int MonitorDpi(HMONITOR monitor) {
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI: what the user chose for the monitor
    UINT x = 0, y = 0;
    if (auto fn = MonitorDpiCall(); fn != nullptr && monitor != nullptr &&
                                    SUCCEEDED(fn(monitor, kEffectiveDpi, &x, &y)) && x > 0) {
        return static_cast<int>(x);
    }
    return ScreenDpi();
}

}  // namespace

plat::Size Monitors::ScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool Monitors::OnSomeMonitor(plat::Rect rect) {
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    return MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr;
}

int Monitors::WindowDpi(plat::WindowRef window) {
    HWND hwnd = ToHwnd(window);
    if (auto fn = WindowDpiCall(); fn != nullptr && hwnd != nullptr) {
        if (const UINT dpi = fn(hwnd); dpi > 0) return static_cast<int>(dpi);
    }
    return MonitorDpi(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST));
}

namespace {
HMONITOR MonitorOf(plat::Rect rect) {
    // A rectangle of no size still names the monitor its corner is on.
    const RECT r{rect.left, rect.top, std::max(rect.right, rect.left + 1),
                 std::max(rect.bottom, rect.top + 1)};
    return MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST);
}
}  // namespace

int Monitors::DpiAt(plat::Rect rect) { return MonitorDpi(MonitorOf(rect)); }

plat::Rect Monitors::MonitorArea(plat::Rect rect) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorOf(rect), &info)) {
        const plat::Size screen = ScreenSize();
        return {0, 0, screen.cx, screen.cy};
    }
    const RECT& m = info.rcMonitor;
    return {m.left, m.top, m.right, m.bottom};
}

}  // namespace win32
