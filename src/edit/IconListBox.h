// A list whose rows each show a 16 x 16 icon and one line of text, drawn by the program. The
// texts and icons are kept here in row order; the list control itself holds neither.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

class CIconListBox {
  public:
    explicit CIconListBox(plat::IPlatform& platform);

    // The list control of the running dialog that this box draws.
    void Attach(plat::IDialog& dialog, int id);

    // The icon is copied (scaled to 16 x 16); the caller keeps its own. -1 when there is no icon.
    int AddItem(std::string text, const plat::Icon& icon);
    // At `index` (after the last row when past the end; -1 appends); -1 for no icon or an index
    // below -1. Answers the control's index of the row it added at the end.
    int InsertItem(int index, std::string text, const plat::Icon& icon);
    // The rows left, or -1 when `index` is no row.
    int RemoveItem(int index);
    // Leaves `out` alone for an index that is no row.
    void GetItemText(int index, std::string& out) const;
    int Count() const { return static_cast<int>(m_texts.size()); }

    plat::Size MeasureItem(int row) const;
    void DrawItem(const plat::DrawItem& item);

  private:
    plat::IPlatform& m_platform;
    plat::IDialog* m_dialog = nullptr;
    int m_id = 0;
    int m_dpi = plat::kBaseDpi;  // of the dialog's screen; the rows are sized for it
    plat::ImageList m_list;      // scales each icon to 16 x 16 (at 96 dpi)
    std::vector<std::string> m_texts;
    std::vector<plat::Icon> m_images;
};
