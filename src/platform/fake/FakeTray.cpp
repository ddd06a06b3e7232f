#include "platform/fake/FakeTray.h"

namespace fake {

bool FakeTray::Notify(plat::TrayAction action, const plat::TrayIconData& data) {
    const bool add = action == plat::TrayAction::Add;
    m_log.push_back(add ? "Tray.Add" : "Tray.Delete");
    Entry e{data.window,
            data.id,
            data.flags,
            data.callbackMessage,
            data.icon != nullptr ? data.icon->Get() : 0,
            data.tip};
    calls.push_back(e);
    if (!succeeds) return false;
    if (add) {
        shown = e;
    } else {
        shown.reset();
    }
    return true;
}

}  // namespace fake
