// Modal work on USER32 and COMDLG32: message boxes, popup menus, dialogs and the choosers.
#pragma once

#include "platform/Platform.h"

namespace win32 {

class Dialogs : public plat::IDialogs {
  public:
    int ShowMessageBox(plat::WindowRef owner, std::string_view text, unsigned type) override;
    void TrackPopupMenu(const plat::Menu& menu, plat::Point at, plat::WindowRef owner) override;
    int RunModalDialog(const plat::DialogTemplate& dialog, plat::WindowRef parent,
                       plat::IDialogEvents& events) override;
    bool PickColour(plat::WindowRef owner, plat::Colour& colour) override;
    bool PickFont(plat::WindowRef owner, plat::LogFont& font, unsigned flags) override;
    bool PickOpenFile(plat::WindowRef owner, std::string_view filter, std::string_view initialName,
                      unsigned flags, std::string& path) override;
    bool PickSaveFile(plat::WindowRef owner, std::string_view filter, std::string_view initialName,
                      unsigned flags, std::string& path) override;
};

}  // namespace win32
