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

int Monitors::WindowDpi(plat::WindowRef window) {
    HWND hwnd = ToHwnd(window);
    if (auto fn = WindowDpiCall(); fn != nullptr && hwnd != nullptr) {
        if (const UINT dpi = fn(hwnd); dpi > 0) return static_cast<int>(dpi);
    }
    return MonitorDpi(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST));
}

namespace {

// A rectangle of no size still names the monitor its corner is on.
RECT AtLeastAPixel(plat::Rect rect) {
    return {rect.left, rect.top, std::max(rect.right, rect.left + 1),
            std::max(rect.bottom, rect.top + 1)};
}

// The monitor the system chooses for a rectangle: most overlap, else the nearest.
HMONITOR MonitorOf(plat::Rect rect) {
    const RECT r = AtLeastAPixel(rect);
    return MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST);
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT area, LPARAM list) {
    reinterpret_cast<std::vector<Monitors::Held>*>(list)->push_back({*area, MonitorDpi(monitor)});
    return TRUE;
}

long long Overlap(const RECT& a, const RECT& b) {
    const long long w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long long h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

long long Distance(const RECT& a, const RECT& b) {
    const long long dx = std::max({0L, a.left - b.right, b.left - a.right});
    const long long dy = std::max({0L, a.top - b.bottom, b.top - a.bottom});
    return dx * dx + dy * dy;
}

}  // namespace

void Monitors::HoldLayout() {
    if (m_holds++ > 0) return;
    if (!EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&m_held)))
        m_held.clear();
}

void Monitors::ReleaseLayout() {
    if (m_holds > 0 && --m_holds == 0) m_held.clear();
}

const Monitors::Held* Monitors::HeldMonitorOf(plat::Rect rect) const {
    const RECT r = AtLeastAPixel(rect);
    const Held* best = nullptr;
    long long most = 0;
    for (const Held& m : m_held) {
        if (const long long overlap = Overlap(r, m.area); overlap > most) {
            most = overlap;
            best = &m;
        }
    }
    if (best != nullptr) return best;
    long long nearest = 0;
    for (const Held& m : m_held) {
        if (const long long d = Distance(r, m.area); best == nullptr || d < nearest) {
            nearest = d;
            best = &m;
        }
    }
    return best;
}

bool Monitors::OnSomeMonitor(plat::Rect rect) {
    const RECT r = AtLeastAPixel(rect);
    if (m_held.empty()) return MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr;
    return std::any_of(m_held.begin(), m_held.end(),
                       [&](const Held& m) { return Overlap(r, m.area) > 0; });
}

int Monitors::DpiAt(plat::Rect rect) {
    if (const Held* held = HeldMonitorOf(rect)) return held->dpi;
    return MonitorDpi(MonitorOf(rect));
}

plat::Rect Monitors::MonitorArea(plat::Rect rect) {
    RECT area{};
    if (const Held* held = HeldMonitorOf(rect)) {
        area = held->area;
    } else {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (!GetMonitorInfoW(MonitorOf(rect), &info)) {
            const plat::Size screen = ScreenSize();
            return {0, 0, screen.cx, screen.cy};
        }
        area = info.rcMonitor;
    }
    return {area.left, area.top, area.right, area.bottom};
}

}  // namespace win32
