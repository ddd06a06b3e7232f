#include "edit/OrderDlg.h"

#include <utility>

#include "button/PathSplit.h"
#include "edit/LoadIcon.h"
#include "res/Dialogs.h"
#include "res/Resource.h"

COrderDlg::COrderDlg(plat::IPlatform& platform) : m_platform(platform), m_rows(platform) {}

int COrderDlg::DoModal(plat::WindowRef parent) {
    return m_platform.Dialogs().RunModalDialog(dlg::Order(), parent, *this);
}

std::string OrderRowText(const ButtonInfo& info) {
    const PathParts parts = SplitPath(info.appName);
    return parts.name + parts.ext;
}

plat::Icon COrderDlg::RowIcon(const CLaunchButton& button) {
    const ButtonInfo& info = button.Info();
    CLoadIcon loader(m_platform);
    loader.Create(1, m_dpi);
    loader.SetFile(info.iconFile.empty() ? info.appName : info.iconFile);
    return loader.GetIcon(info.iconIndex);
}

void COrderDlg::OnInitDialog(plat::IDialog& dialog) {
    m_rows.Attach(dialog, dlg::kOrderList);
    m_dpi = m_platform.Monitors().WindowDpi(dialog.Window());
    const int side = plat::ToPx(plat::Dip(kSmallIconSize), m_dpi).value;
    m_fallback = m_platform.System().LoadResourceIcon(IDI_NOICON, side, side);
    for (const auto& button : *m_buttons) {
        const plat::Icon icon = RowIcon(*button);
        m_rows.AddItem(OrderRowText(button->Info()), icon ? icon : m_fallback);
    }
    dialog.FocusItem(dlg::kOrderList, false);
}

void COrderDlg::Move(plat::IDialog& dialog, int by) {
    const int rows = m_rows.Count();
    const int s = dialog.ListSelection(dlg::kOrderList);
    const int to = s + by;
    if (rows == 0 || s < 0 || to < 0 || to >= rows || to >= static_cast<int>(m_buttons->size())) {
        return;
    }
    std::string text;
    m_rows.GetItemText(s, text);
    auto& list = *m_buttons;
    std::swap(list[static_cast<std::size_t>(s)], list[static_cast<std::size_t>(to)]);
    m_rows.RemoveItem(s);
    const plat::Icon icon = RowIcon(*list[static_cast<std::size_t>(to)]);
    m_rows.InsertItem(to, text, icon ? icon : m_fallback);
    dialog.ListSelect(dlg::kOrderList, to);
    m_moved = true;
}

void COrderDlg::OnCommand(plat::IDialog& dialog, int id, int notifyCode) {
    if (id == dlg::kOrderUp) return Move(dialog, -1);
    if (id == dlg::kOrderDown) return Move(dialog, +1);
    plat::IDialogEvents::OnCommand(dialog, id, notifyCode);
}

plat::Size COrderDlg::OnMeasureItem(plat::IDialog&, int, int row) {
    return m_rows.MeasureItem(row);
}

void COrderDlg::OnDrawItem(plat::IDialog&, const plat::DrawItem& item) { m_rows.DrawItem(item); }
