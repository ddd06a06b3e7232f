#include "platform/fake/FakeMonitors.h"

#include "platform/Dpi.h"
#include "platform/fake/FakeWindows.h"

namespace fake {

plat::Size FakeMonitors::ScreenSize() { return screen; }

bool FakeMonitors::OnSomeMonitor(plat::Rect rect) {
    for (const plat::Rect& m : all) {
        if (m.Overlaps(rect)) return true;
    }
    return false;
}

int FakeMonitors::DpiOf(std::size_t monitor) const {
    return monitor < dpis.size() ? dpis[monitor] : plat::kBaseDpi;
}

int FakeMonitors::DpiAt(plat::Rect rect) {
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].Contains({rect.left, rect.top})) return DpiOf(i);
    }
    return DpiOf(0);
}

plat::Rect FakeMonitors::MonitorArea(plat::Rect rect) {
    for (const plat::Rect& m : all) {
        if (m.Contains({rect.left, rect.top})) return m;
    }
    return {0, 0, screen.cx, screen.cy};
}

int FakeMonitors::WindowDpi(plat::WindowRef window) { return DpiAt(m_windows.WindowRect(window)); }

}  // namespace fake
