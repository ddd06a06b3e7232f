// The monitors on USER32.
#pragma once

#include "platform/Platform.h"

namespace win32 {

class Monitors : public plat::IMonitors {
  public:
    plat::Size ScreenSize() override;
    bool OnSomeMonitor(plat::Rect rect) override;
    int WindowDpi(plat::WindowRef window) override;
    int DpiAt(plat::Rect rect) override;
    plat::Rect MonitorArea(plat::Rect rect) override;
};

}  // namespace win32
