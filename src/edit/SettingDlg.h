// Edits one launch entry: title, program, start directory, parameters, show mode, button size
// and icon. The dialog itself touches no window, list or stored setting.
#pragma once

#include <string>
#include <vector>

#include "button/ButtonInfo.h"
#include "edit/IconPreview.h"
#include "edit/LoadIcon.h"
#include "platform/Platform.h"

class CSettingDlg : public plat::IDialogEvents {
  public:
    explicit CSettingDlg(plat::IPlatform& platform);

    // Once, before the run.
    void SetButtonInfo(ButtonInfo info);
    int DoModal(plat::WindowRef parent);
    // After OK: the whole record, the fields the dialog does not edit as they came.
    void GetButtonInfo(ButtonInfo& out);

    void OnInitDialog(plat::IDialog& dialog) override;
    void OnCommand(plat::IDialog& dialog, int id, int notifyCode) override;
    void OnDropFiles(plat::IDialog& dialog, const std::vector<std::string>& files) override;

  private:
    void ShowPreview(plat::IDialog& dialog, const std::string& path, int index);
    void OnPathUpdated(plat::IDialog& dialog);
    void Browse(plat::IDialog& dialog);
    void ChangeIcon(plat::IDialog& dialog);
    void OnOK(plat::IDialog& dialog);

    plat::IPlatform& m_platform;
    ButtonInfo m_info;
    CLoadIcon m_loader;
    CIconPreview m_preview;
    // The icon choice lives here until OK; an empty file means the program's own icons.
    int m_iconIndex = 0;
    std::string m_iconFile;
    unsigned m_size = kDefaultButtonSize.value;
    std::string m_appName;
    std::string m_title;
    std::string m_parm;
    std::string m_dir;
};
