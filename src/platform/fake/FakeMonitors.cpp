#include "platform/fake/FakeMonitors.h"

#include <algorithm>

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

std::size_t FakeMonitors::MonitorMost(plat::Rect rect) const {
    std::size_t best = 0;
    long long most = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const plat::Rect& m = all[i];
        const long long w = std::min(m.right, rect.right) - std::max(m.left, rect.left);
        const long long h = std::min(m.bottom, rect.bottom) - std::max(m.top, rect.top);
        if (w > 0 && h > 0 && w * h > most) {
            most = w * h;
            best = i;
        }
    }
    return best;
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
