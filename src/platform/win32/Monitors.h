// The monitors on USER32.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/Platform.h"

namespace win32 {

class Monitors : public plat::IMonitors {
  public:
    plat::Size ScreenSize() override;
    bool OnSomeMonitor(plat::Rect rect) override;
    int WindowDpi(plat::WindowRef window) override;
    int DpiAt(plat::Rect rect) override;
    plat::Rect MonitorArea(plat::Rect rect) override;
    void HoldLayout() override;
    void ReleaseLayout() override;

    // A monitor as read at the hold.
    struct Held {
        RECT area;
        int dpi;
    };

  private:
    // The monitor a rectangle lies on most, else the nearest, as MonitorFromRect chooses.
    const Held* HeldMonitorOf(plat::Rect rect) const;

    int m_holds = 0;
    // Empty while nothing holds, or when the system listed no monitor: then the system is asked.
    std::vector<Held> m_held;
};

}  // namespace win32
