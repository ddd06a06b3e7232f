#include "platform/fake/FakeTray.h"

namespace fake {

bool FakeTray::Show(plat::WindowRef window, const plat::Icon& icon, std::string_view tip) {
    m_log.push_back("Tray.Show");
    Entry e{window, icon.Get(), std::string(tip)};
    shows.push_back(e);
    if (!succeeds) return false;
    shown = e;
    return true;
}

bool FakeTray::ChangeTip(std::string_view tip) {
    m_log.push_back("Tray.ChangeTip " + std::string(tip));
    if (!succeeds || !shown) return false;
    shown->tip = std::string(tip);
    return true;
}

bool FakeTray::Remove() {
    m_log.push_back("Tray.Remove");
    if (!succeeds || !shown) return false;
    shown.reset();
    return true;
}

bool FakeTray::ReturnFocus() {
    m_log.push_back("Tray.ReturnFocus");
    if (!succeeds || !shown) return false;
    ++focusReturns;
    return true;
}

}  // namespace fake
