// The monitors' answers from a held layout against the system's own, over rectangles on, across
// and beyond every monitor. The two-monitor tier runs these on two heads as well.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/Monitors.h"

namespace {

TEST(Monitors, AHeldLayoutAnswersAsTheSystemDoes) {
    win32::Monitors monitors;
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN),
              height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    ASSERT_GT(width, 0);
    // Corners, edges and the space around the screen, in sizes from nothing to a monitor's.
    std::vector<plat::Rect> rects;
    for (int x = left - 400; x <= left + width + 400; x += 97) {
        for (int y = top - 300; y <= top + height + 300; y += 89) {
            for (int side : {0, 1, 35, 240, 900}) rects.push_back({x, y, x + side, y + side});
        }
    }
    struct Answer {
        bool on;
        int dpi;
        plat::Rect area;
    };
    const auto ask = [&](const plat::Rect& r) {
        return Answer{monitors.OnSomeMonitor(r), monitors.DpiAt(r), monitors.MonitorArea(r)};
    };
    std::vector<Answer> system;
    for (const plat::Rect& r : rects) system.push_back(ask(r));

    monitors.HoldLayout();
    monitors.HoldLayout();  // nested: still the one reading
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const plat::Rect& r = rects[i];
        const Answer held = ask(r);
        SCOPED_TRACE(testing::Message() << r.left << "," << r.top << " " << r.Width());
        EXPECT_EQ(held.on, system[i].on);
        EXPECT_EQ(held.dpi, system[i].dpi);
        EXPECT_EQ(held.area, system[i].area);
    }
    monitors.ReleaseLayout();
    monitors.ReleaseLayout();
    monitors.ReleaseLayout();  // one too many does not unbalance the next hold
    monitors.HoldLayout();
    EXPECT_EQ(monitors.DpiAt(rects.front()), system.front().dpi);
    monitors.ReleaseLayout();
}

}  // namespace
