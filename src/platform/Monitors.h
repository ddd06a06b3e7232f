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
};

}  // namespace plat
