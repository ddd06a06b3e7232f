#include "clock/WatchSetDlg.h"

#include <algorithm>

#include "res/Dialogs.h"
#include "res/Texts.h"

namespace {
// Measured on wider figures than the sample shows, so the box leaves room around it.
constexpr const char* kMeasured = "88/888";
constexpr plat::Dip kPreviewMargin{10};
constexpr plat::Dip kPreviewMinHeight{20};
constexpr plat::Dip kPreviewMaxHeight{45};
// Screen fonts only, opened on the current one, without the effects group.
constexpr unsigned kFontFlags = 0x41;
}  // namespace

int CWatchSetDlg::DoModal(plat::WindowRef parent) {
    return m_platform.Dialogs().RunModalDialog(dlg::WatchSet(), parent, *this);
}

void CWatchSetDlg::OnInitDialog(plat::IDialog& dialog) {
    dialog.SetChecked(dlg::kWatchTopmost, m_topMost != 0);
    auto& graphics = m_platform.Graphics();
    m_previewFont = graphics.MakeFont(graphics.DescribeFont(m_pClockFont));
    PlacePreview(dialog);
}

void CWatchSetDlg::PlacePreview(plat::IDialog& dialog) {
    const plat::Size measured =
        m_platform.Graphics().MeasureText(dialog.Window(), m_previewFont, kMeasured);
    // The box's margin and bounds are pixels of a 96-dpi screen.
    const int dpi = m_platform.Monitors().WindowDpi(dialog.Window());
    const int width = measured.cx + plat::ToPx(kPreviewMargin, dpi).value;
    const int height = std::clamp(measured.cy, plat::ToPx(kPreviewMinHeight, dpi).value,
                                  plat::ToPx(kPreviewMaxHeight, dpi).value);
    const int left = (dialog.ClientRect().Width() - width) / 2;
    const int bound = dialog.ItemRect(dlg::kWatchPreviewBound).bottom;
    const int bottom = (bound + height) / 2;
    dialog.MoveItem(dlg::kWatchPreview, {left, bottom - height, left + width, bottom});
}

void CWatchSetDlg::DrawPreview(plat::IDialog& dialog) {
    m_platform.Graphics().FillAndDrawText(dialog.Window(), dialog.ItemRect(dlg::kWatchPreview),
                                          m_previewFont, text::kWatchSample, m_bkColor,
                                          m_textColor);
}

void CWatchSetDlg::OnPaint(plat::IDialog& dialog) { DrawPreview(dialog); }

void CWatchSetDlg::PickColour(plat::IDialog& dialog, plat::Colour& colour) {
    plat::Colour chosen = colour;
    // Owned by this dialog, so the user cannot end it while the chooser is still open.
    if (!m_platform.Dialogs().PickColour(dialog.Window(), chosen)) return;
    colour = chosen;
    DrawPreview(dialog);
}

void CWatchSetDlg::PickFont(plat::IDialog& dialog) {
    auto& graphics = m_platform.Graphics();
    plat::LogFont font = graphics.DescribeFont(m_previewFont);
    if (!m_platform.Dialogs().PickFont(dialog.Window(), font, kFontFlags)) return;
    m_previewFont = graphics.MakeFont(font);
    PlacePreview(dialog);
    DrawPreview(dialog);
    // The old, perhaps larger, sample has to go too.
    dialog.Invalidate(plat::IDialog::kWholeDialog);
}

void CWatchSetDlg::OnCommand(plat::IDialog& dialog, int id, int) {
    switch (id) {
        case dlg::kWatchBackColour:
            PickColour(dialog, m_bkColor);
            break;
        case dlg::kWatchTextColour:
            PickColour(dialog, m_textColor);
            break;
        case dlg::kWatchFont:
            PickFont(dialog);
            break;
        case plat::mb::kIdOk: {
            auto& graphics = m_platform.Graphics();
            m_newFont = graphics.MakeFont(graphics.DescribeFont(m_previewFont));
            m_topMost = dialog.IsChecked(dlg::kWatchTopmost) ? 1 : 0;
            dialog.End(plat::mb::kIdOk);
            break;
        }
        case plat::mb::kIdCancel:
            dialog.End(plat::mb::kIdCancel);
            break;
        default:
            break;
    }
}
