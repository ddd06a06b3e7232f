// The monitors port: the screens the program's windows are placed on.
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
};

}  // namespace plat
