#include "arrange/ButtonSizeDlg.h"

#include <string>

#include "app/DataExchange.h"
#include "res/Dialogs.h"

int CButtonSizeDlg::DoModal(plat::WindowRef parent) {
    return m_platform.Dialogs().RunModalDialog(dlg::ButtonSize(), parent, *this);
}

void CButtonSizeDlg::OnInitDialog(plat::IDialog& dialog) {
    dialog.SetItemText(dlg::kSizeEdit, std::to_string(m_size));
    dialog.SetSpinRange(dlg::kSizeSpin, dlg::kMinButtonSize, dlg::kMaxButtonSize);
}

void CButtonSizeDlg::OnCommand(plat::IDialog& dialog, int id, int notifyCode) {
    if (id == plat::mb::kIdOk) {
        const auto size = ExchangeNumber(m_platform, dialog, dlg::kSizeEdit, NumberKind::Signed,
                                         dlg::kMinButtonSize, dlg::kMaxButtonSize);
        if (!size) return;  // the dialog stays open
        m_size = *size;
    }
    plat::IDialogEvents::OnCommand(dialog, id, notifyCode);
}
