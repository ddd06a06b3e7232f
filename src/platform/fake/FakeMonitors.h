// Monitors in memory: the primary screen and every monitor's rectangle, as a test sets them.
#pragma once

#include <vector>

#include "platform/Monitors.h"

namespace fake {

class FakeMonitors : public plat::IMonitors {
  public:
    plat::Size ScreenSize() override;
    bool OnSomeMonitor(plat::Rect rect) override;

    plat::Size screen{1024, 768};
    std::vector<plat::Rect> all{{0, 0, 1024, 768}};
};

}  // namespace fake
