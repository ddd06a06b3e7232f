// Monitors in memory: the primary screen and every monitor's rectangle and DPI, as a test sets
// them.
#pragma once

#include <vector>

#include "platform/Monitors.h"

namespace fake {

class FakeWindows;

class FakeMonitors : public plat::IMonitors {
  public:
    explicit FakeMonitors(FakeWindows& windows) : m_windows(windows) {}
    plat::Size ScreenSize() override;
    bool OnSomeMonitor(plat::Rect rect) override;
    // The DPI of the monitor the window's top-left corner is on.
    int WindowDpi(plat::WindowRef window) override;
    // The DPI of the monitor holding the rectangle's top-left corner, else the primary's.
    int DpiAt(plat::Rect rect) override;
    // The monitor holding the rectangle's top-left corner, else the primary screen.
    plat::Rect MonitorArea(plat::Rect rect) override;
    // Memory answers as fast held or not, and a test changes the monitors between placings.
    void HoldLayout() override {}
    void ReleaseLayout() override {}

    plat::Size screen{1024, 768};
    std::vector<plat::Rect> all{{0, 0, 1024, 768}};
    // The DPI of each monitor of `all`, in the same order; a monitor without one is at 96.
    std::vector<int> dpis;

    // Every monitor at `dpi`.
    void SetDpi(int dpi) { dpis.assign(all.size(), dpi); }

    // The monitor that holds most of the rectangle; the primary when none holds any.
    std::size_t MonitorMost(plat::Rect rect) const;
    int DpiOfMonitor(std::size_t monitor) const { return DpiOf(monitor); }

  private:
    int DpiOf(std::size_t monitor) const;

    FakeWindows& m_windows;
};

}  // namespace fake
