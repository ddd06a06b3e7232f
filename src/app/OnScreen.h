// Where a window that lies on no monitor (its monitor was unplugged, or a hand-edited store put
// it there) goes back to.
#pragma once

#include <algorithm>

#include "platform/Monitors.h"

enum class Return {
    // An edge outside the primary screen goes to its left or top edge; the other stays.
    ToEdge,
    // Pulled onto the primary screen at the nearest place, keeping its size.
    Clamped,
};

inline plat::Rect BackOnScreen(plat::IMonitors& monitors, plat::Rect r, Return how) {
    if (monitors.OnSomeMonitor(r)) return r;
    const plat::Size screen = monitors.ScreenSize();
    const auto back = [how](int at, int extent, int screenExtent) {
        if (how == Return::Clamped) return std::clamp(at, 0, std::max(0, screenExtent - extent));
        return at > screenExtent || at < 0 ? 0 : at;
    };
    const int left = back(r.left, r.Width(), screen.cx);
    const int top = back(r.top, r.Height(), screen.cy);
    return {left, top, left + r.Width(), top + r.Height()};
}
