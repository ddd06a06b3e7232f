#include "platform/fake/FakeMonitors.h"

namespace fake {

plat::Size FakeMonitors::ScreenSize() { return screen; }

bool FakeMonitors::OnSomeMonitor(plat::Rect rect) {
    for (const plat::Rect& m : all) {
        if (rect.left < m.right && m.left < rect.right && rect.top < m.bottom &&
            m.top < rect.bottom) {
            return true;
        }
    }
    return false;
}

}  // namespace fake
