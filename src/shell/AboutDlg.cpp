#include "shell/AboutDlg.h"

#include "res/Dialogs.h"
#include "res/Texts.h"

int CAboutDlg::DoModal(plat::WindowRef parent) {
    return m_platform.Dialogs().RunModalDialog(dlg::About(), parent, *this);
}

void CAboutDlg::OnInitDialog(plat::IDialog& dialog) {
    // The version resource is the one place the version is written down.
    dialog.SetItemText(dlg::kAboutVersion,
                       text::kVersionLabel + m_platform.System().ProgramVersion());
}
