#include "edit/SettingDlg.h"

#include "app/DataExchange.h"
#include "edit/IconChangeDlg.h"
#include "res/Dialogs.h"
#include "res/Texts.h"

CSettingDlg::CSettingDlg(plat::IPlatform& platform)
    : m_platform(platform), m_loader(platform), m_preview(dlg::kSetPreview) {
    m_loader.Create(0);
}

void CSettingDlg::SetButtonInfo(ButtonInfo info) {
    m_info = std::move(info);
    m_title = m_info.title;
    m_appName = m_info.appName;
    m_dir = m_info.dir;
    m_parm = m_info.parm;
    m_size = static_cast<unsigned>(m_info.size.value);
    m_iconFile = m_info.iconFile;
    m_iconIndex = m_info.iconIndex;
}

int CSettingDlg::DoModal(plat::WindowRef parent) {
    const int result = m_platform.Dialogs().RunModalDialog(dlg::Setting(), parent, *this);
    m_preview.Release();
    return result;
}

void CSettingDlg::GetButtonInfo(ButtonInfo& out) {
    m_info.title = m_title;
    m_info.appName = m_appName;
    m_info.dir = m_dir;
    m_info.parm = m_parm;
    m_info.size = plat::Dip(static_cast<int>(m_size));
    m_info.iconFile = m_iconFile;
    m_info.iconIndex = m_iconIndex;
    out = m_info;
}

void CSettingDlg::OnInitDialog(plat::IDialog& dialog) {
    // The preview shows the icon in the size of the dialog's screen.
    if (const int dpi = m_platform.Monitors().WindowDpi(dialog.Window()); dpi != plat::kBaseDpi) {
        m_loader.Create(0, dpi);
    }
    dialog.SetItemText(dlg::kSizeEdit, std::to_string(m_size));
    // Filling the path reports an update like typing does, which shows icon 0 of the path
    // until the stored choice is shown below.
    dialog.SetItemText(dlg::kSetPath, m_appName);
    dialog.SetItemText(dlg::kSetTitle, m_title);
    dialog.SetItemText(dlg::kSetParm, m_parm);
    dialog.SetItemText(dlg::kSetDir, m_dir);
    dialog.SetSpinRange(dlg::kSizeSpin, dlg::kMinButtonSize, dlg::kMaxButtonSize);

    // A show mode the list does not hold selects nothing.
    dialog.SetComboItems(dlg::kSetShowMode,
                         {std::begin(text::kShowModes), std::end(text::kShowModes)},
                         m_info.showMode);

    ShowPreview(dialog, m_iconFile.empty() ? m_appName : m_iconFile, m_iconIndex);
}

void CSettingDlg::ShowPreview(plat::IDialog& dialog, const std::string& path, int index) {
    m_loader.SetFile(path);
    m_preview.Show(dialog, m_loader.GetIcon(index));
}

void CSettingDlg::OnCommand(plat::IDialog& dialog, int id, int notifyCode) {
    switch (id) {
        case dlg::kSetPath:
            if (notifyCode == plat::kEditUpdate) OnPathUpdated(dialog);
            return;
        case dlg::kSetBrowse:
            Browse(dialog);
            return;
        case dlg::kSetChangeIcon:
            ChangeIcon(dialog);
            return;
        case plat::mb::kIdOk:
            OnOK(dialog);
            return;
        default:
            plat::IDialogEvents::OnCommand(dialog, id, notifyCode);
    }
}

// The preview follows the path as it is typed, with icon 0 of it; the stored index stays.
void CSettingDlg::OnPathUpdated(plat::IDialog& dialog) {
    if (!m_iconFile.empty()) return;
    ShowPreview(dialog, dialog.ItemText(dlg::kSetPath), 0);
}

void CSettingDlg::Browse(plat::IDialog& dialog) {
    std::string path;
    if (!m_platform.Dialogs().PickOpenFile(
            dialog.Window(), text::kProgramFilter, text::kProgramInitialName,
            plat::ofn::kHideReadOnly | plat::ofn::kOverwritePrompt, path)) {
        return;
    }
    m_appName = path;
    dialog.SetItemText(dlg::kSetPath, path);
}

void CSettingDlg::OnDropFiles(plat::IDialog& dialog, const std::vector<std::string>& files) {
    // Only the first file counts; the title and directory stay as the user left them.
    if (!files.empty()) dialog.SetItemText(dlg::kSetPath, files.front());
}

void CSettingDlg::ChangeIcon(plat::IDialog& dialog) {
    const std::string program = dialog.ItemText(dlg::kSetPath);
    CIconChangeDlg change(m_platform);
    change.m_bSmall = 0;
    change.m_appName = program;
    change.m_iconFile = m_iconFile;
    change.m_iconIndex = m_iconIndex;
    if (change.DoModal(dialog.Window()) != plat::mb::kIdOk) return;
    m_iconFile = change.m_iconFile;
    m_iconIndex = change.m_iconIndex;
    ShowPreview(dialog, m_iconFile.empty() ? program : m_iconFile, m_iconIndex);
}

void CSettingDlg::OnOK(plat::IDialog& dialog) {
    m_info.showMode = dialog.ComboSelection(dlg::kSetShowMode);

    // Blanks alone name no program; a path that only starts with blanks is kept as typed.
    const std::string path = dialog.ItemText(dlg::kSetPath);
    if (path.find_first_not_of(" \t\r\n\v\f") == std::string::npos) {
        m_platform.Dialogs().ShowMessageBox(dialog.Window(), text::kNoApplication, plat::mb::kOk);
        return;
    }
    const auto size = ExchangeNumber(m_platform, dialog, dlg::kSizeEdit, NumberKind::Unsigned,
                                     dlg::kMinButtonSize, dlg::kMaxButtonSize);
    if (!size) return;  // the dialog stays open
    m_size = static_cast<unsigned>(*size);
    m_appName = path;
    m_title = dialog.ItemText(dlg::kSetTitle);
    m_parm = dialog.ItemText(dlg::kSetParm);
    m_dir = dialog.ItemText(dlg::kSetDir);
    dialog.End(plat::mb::kIdOk);
}
