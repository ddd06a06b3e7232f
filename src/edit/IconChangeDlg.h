// Picks the icon of an entry: a file that holds icons (none: the program's own) and an index.
#pragma once

#include <string>

#include "edit/IconPreview.h"
#include "edit/LoadIcon.h"
#include "platform/Platform.h"

class CIconChangeDlg : public plat::IDialogEvents {
  public:
    explicit CIconChangeDlg(plat::IPlatform& platform);
    int DoModal(plat::WindowRef parent);
    void OnInitDialog(plat::IDialog& dialog) override;
    void OnCommand(plat::IDialog& dialog, int id, int notifyCode) override;

    // Set by the caller before the run; the pair is read back after OK.
    int m_bSmall = 0;
    std::string m_appName;
    std::string m_iconFile;
    int m_iconIndex = 0;

  private:
    const std::string& IconSource() const { return m_iconFile.empty() ? m_appName : m_iconFile; }
    void Step(plat::IDialog& dialog, int delta);
    void Browse(plat::IDialog& dialog);
    void Refresh(plat::IDialog& dialog);

    plat::IPlatform& m_platform;
    CLoadIcon m_loader;
    CIconPreview m_preview;
};
