#include "edit/IconChangeDlg.h"

#include "button/PathSplit.h"
#include "res/Dialogs.h"
#include "res/Texts.h"

CIconChangeDlg::CIconChangeDlg(plat::IPlatform& platform)
    : m_platform(platform), m_loader(platform), m_preview(dlg::kIconPreview) {}

int CIconChangeDlg::DoModal(plat::WindowRef parent) {
    const int result = m_platform.Dialogs().RunModalDialog(dlg::IconChange(), parent, *this);
    m_preview.Release();
    return result;
}

void CIconChangeDlg::OnInitDialog(plat::IDialog& dialog) {
    dialog.SetItemText(dlg::kIconFile, m_iconFile);
    m_loader.Create(m_bSmall, m_platform.Monitors().WindowDpi(dialog.Window()));
    m_loader.SetFile(IconSource());
    if (m_iconIndex < 0 || m_iconIndex >= m_loader.GetIconCount()) m_iconIndex = 0;
    m_preview.Show(dialog, m_loader.GetIcon(m_iconIndex));
}

void CIconChangeDlg::OnCommand(plat::IDialog& dialog, int id, int notifyCode) {
    switch (id) {
        case dlg::kIconBrowse:
            Browse(dialog);
            return;
        case dlg::kIconPrevious:
            Step(dialog, -1);
            return;
        case dlg::kIconNext:
            Step(dialog, +1);
            return;
        case dlg::kIconDefault:
            m_iconIndex = 0;
            m_iconFile.clear();
            Refresh(dialog);
            return;
        case plat::mb::kIdOk:
            m_iconFile = dialog.ItemText(dlg::kIconFile);
            break;
        default:
            break;
    }
    plat::IDialogEvents::OnCommand(dialog, id, notifyCode);
}

// Stops at either end without a sound. An icon that turns out to be missing changes nothing.
void CIconChangeDlg::Step(plat::IDialog& dialog, int delta) {
    const int next = m_iconIndex + delta;
    if (delta > 0 ? next >= m_loader.GetIconCount() : next < 0) return;
    plat::Icon icon = m_loader.GetIcon(next);
    if (!icon) return;
    m_preview.Show(dialog, std::move(icon));
    m_iconIndex = next;
}

void CIconChangeDlg::Browse(plat::IDialog& dialog) {
    std::string path;
    if (!m_platform.Dialogs().PickOpenFile(
            dialog.Window(), text::kIconFilter, text::kIconInitialName,
            plat::ofn::kHideReadOnly | plat::ofn::kOverwritePrompt, path)) {
        return;
    }
    // The program's own icons are kept as "no icon file", so they follow the program path.
    m_iconFile = EqualsNoCase(path, m_appName) ? std::string() : path;
    m_iconIndex = 0;
    Refresh(dialog);
}

void CIconChangeDlg::Refresh(plat::IDialog& dialog) {
    dialog.SetItemText(dlg::kIconFile, m_iconFile);
    m_loader.SetFile(IconSource());
    // Without an icon the preview keeps the picture it had.
    if (plat::Icon icon = m_loader.GetIcon(m_iconIndex)) m_preview.Show(dialog, std::move(icon));
}
