#include "edit/IconListBox.h"

namespace {
constexpr plat::Dip kImageSize{16};
constexpr plat::Dip kRowHeight{20};
// The text's start in its row; it is centred in the row's height.
constexpr plat::Dip kTextLeft{21};
// The icon's place in its row.
constexpr plat::Dip kIconLeft{1};
constexpr plat::Dip kIconTop{2};
}  // namespace

CIconListBox::CIconListBox(plat::IPlatform& platform)
    : m_platform(platform),
      m_list(platform.Icons().CreateImageList(plat::ToPx(kImageSize, plat::kBaseDpi).value)) {}

void CIconListBox::Attach(plat::IDialog& dialog, int id) {
    m_dialog = &dialog;
    m_id = id;
    m_dpi = m_platform.Monitors().WindowDpi(dialog.Window());
    if (m_dpi != plat::kBaseDpi) {
        m_list = m_platform.Icons().CreateImageList(plat::ToPx(kImageSize, m_dpi).value);
    }
}

int CIconListBox::AddItem(std::string text, const plat::Icon& icon) {
    return InsertItem(-1, std::move(text), icon);
}

int CIconListBox::InsertItem(int index, std::string text, const plat::Icon& icon) {
    if (!icon || index < -1) return -1;
    plat::Icon copy = m_platform.Icons().Normalize(m_list, icon);
    if (!copy) return -1;
    const int rows = Count();
    const auto at = static_cast<std::size_t>(index == -1 || index > rows ? rows : index);
    m_texts.insert(m_texts.begin() + static_cast<std::ptrdiff_t>(at), std::move(text));
    m_images.insert(m_images.begin() + static_cast<std::ptrdiff_t>(at), std::move(copy));
    // Rows are drawn by position from the two lists, so a row added at the end is enough.
    const int added = m_dialog->ListAddRow(m_id, static_cast<std::uintptr_t>(rows));
    m_dialog->Invalidate(m_id);
    return added;
}

int CIconListBox::RemoveItem(int index) {
    if (index < 0 || index >= Count()) return -1;
    m_texts.erase(m_texts.begin() + index);
    m_images.erase(m_images.begin() + index);
    m_dialog->ListDeleteRow(m_id, Count());
    m_dialog->Invalidate(m_id);
    return Count();
}

void CIconListBox::GetItemText(int index, std::string& out) const {
    if (index >= 0 && index < Count()) out = m_texts[static_cast<std::size_t>(index)];
}

plat::Size CIconListBox::MeasureItem(int row) const {
    const std::size_t length =
        row >= 0 && row < Count() ? m_texts[static_cast<std::size_t>(row)].size() : 0;
    return {6 * static_cast<int>(length) + plat::ToPx(kImageSize, m_dpi).value,
            plat::ToPx(kRowHeight, m_dpi).value};
}

void CIconListBox::DrawItem(const plat::DrawItem& item) {
    // An empty list that has the focus asks for row -1.
    if (item.row < 0 || item.row >= Count()) return;
    const auto row = static_cast<std::size_t>(item.row);
    const bool selected = (item.state & plat::oda::kSelected) != 0;
    auto& graphics = m_platform.Graphics();
    if (item.action & (plat::oda::kDrawEntire | plat::oda::kSelect)) {
        graphics.PaintListRow(item.window, item.rect, m_texts[row], selected,
                              plat::ToPx(kTextLeft, m_dpi).value,
                              plat::ToPx(kRowHeight, m_dpi).value);
    }
    const plat::Point at{item.rect.left + plat::ToPx(kIconLeft, m_dpi).value,
                         item.rect.top + plat::ToPx(kIconTop, m_dpi).value};
    graphics.DrawIcon(item.window, m_images[row], at, plat::ToPx(kImageSize, m_dpi).value);
}
