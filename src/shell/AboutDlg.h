// The about box: the program's name, version and maker.
#pragma once

#include "platform/Platform.h"

class CAboutDlg : public plat::IDialogEvents {
  public:
    explicit CAboutDlg(plat::IPlatform& platform) : m_platform(platform) {}
    int DoModal(plat::WindowRef parent);
    void OnInitDialog(plat::IDialog& dialog) override;

  private:
    plat::IPlatform& m_platform;
};
