// The monitors port: the screens the program's windows are placed on, and their scale.
#pragma once

#include "platform/Types.h"

namespace plat {

class IMonitors {
  public:
    virtual ~IMonitors() = default;
    // The primary screen's size in pixels.
    virtual Size ScreenSize() = 0;
    // Whether a rectangle (screen pixels) lies on any monitor of the virtual screen.
    virtual bool OnSomeMonitor(Rect rect) = 0;
    // The DPI of the monitor the window is on, as the window itself is told it: it follows a
    // move to another monitor and a change of scale at once, unlike the system's metrics.
    virtual int WindowDpi(WindowRef window) = 0;
    // The whole of the monitor that a rectangle (screen pixels) lies on most, or of the nearest.
    virtual Rect MonitorArea(Rect rect) = 0;
    // The DPI of the monitor that a rectangle (screen pixels) lies on most, or of the nearest.
    virtual int DpiAt(Rect rect) = 0;
    // Between these, OnSomeMonitor, MonitorArea and DpiAt answer from one reading of the
    // monitors taken at the first hold, instead of asking the system each time. They nest.
    virtual void HoldLayout() = 0;
    virtual void ReleaseLayout() = 0;
};

// Holds the monitors' layout for its scope: a thousand windows placed in one go ask the system
// once, not twice each. Nothing that waits on the user (a dialog, a menu) runs inside one, so a
// monitor unplugged meanwhile is seen by the next placing.
class HeldLayout {
  public:
    explicit HeldLayout(IMonitors& monitors) : m_monitors(monitors) { m_monitors.HoldLayout(); }
    ~HeldLayout() { m_monitors.ReleaseLayout(); }
    HeldLayout(const HeldLayout&) = delete;
    HeldLayout& operator=(const HeldLayout&) = delete;

  private:
    IMonitors& m_monitors;
};

}  // namespace plat
