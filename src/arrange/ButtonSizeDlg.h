// Asks for the one size that every button is to take.
#pragma once

#include "platform/Platform.h"

class CButtonSizeDlg : public plat::IDialogEvents {
  public:
    explicit CButtonSizeDlg(plat::IPlatform& platform) : m_platform(platform) {}
    int DoModal(plat::WindowRef parent);
    void OnInitDialog(plat::IDialog& dialog) override;
    void OnCommand(plat::IDialog& dialog, int id, int notifyCode) override;

    // Always opens at 36, whatever size the buttons have now.
    int m_size = 36;

  private:
    plat::IPlatform& m_platform;
};
