#include "platform/fake/FakeMonitors.h"

namespace fake {

plat::Size FakeMonitors::ScreenSize() { return screen; }

bool FakeMonitors::OnSomeMonitor(plat::Rect rect) {
    for (const plat::Rect& m : all) {
        if (m.Overlaps(rect)) return true;
    }
    return false;
}

}  // namespace fake
