// A dialog as data, and a modal dialog while it runs: what the dialogs of the program read
// and change of their controls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace plat {

// A dialog template as data, in dialog units: one source for what the user sees and for the
// controls a test finds in the fake.
struct DialogControl {
    int id = -1;
    std::string className;  // "BUTTON", "STATIC", "EDIT", ... as the window system names them
    std::string text;       // "#128" names icon resource 128 for an icon static
    unsigned style = 0;     // WS_CHILD and WS_VISIBLE are implied unless `hidden`
    int x = 0, y = 0, cx = 0, cy = 0;
    bool hidden = false;
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    unsigned style = 0;
    unsigned exStyle = 0;
    int cx = 0, cy = 0;
    std::string font;
    int pointSize = 9;
    std::vector<DialogControl> controls;
};

// What an edit reports when its text has changed, by the user's hand or by SetItemText.
inline constexpr int kEditUpdate = 0x400;

// A modal dialog while it runs.
class IDialog {
  public:
    virtual ~IDialog() = default;
    virtual WindowRef Window() = 0;
    virtual std::string ItemText(int id) = 0;
    virtual void SetItemText(int id, std::string_view text) = 0;
    // Puts the focus on a control, with all of an edit's text selected when asked.
    virtual void FocusItem(int id, bool selectAll) = 0;
    // An up-down control's range; it never wraps.
    virtual void SetSpinRange(int id, int lower, int upper) = 0;
    virtual void End(int result) = 0;
    // Geometry in pixels of the dialog's client area.
    virtual Rect ClientRect() = 0;
    virtual Rect ItemRect(int id) = 0;
    // Moves a control and repaints it.
    virtual void MoveItem(int id, Rect rect) = 0;
    // The value a control holds: a check box's check (1 or 0), a hot-key control's combination
    // (plat::hotkey's form, 0 for none).
    virtual unsigned ItemValue(int id) = 0;
    virtual void SetItemValue(int id, unsigned value) = 0;
    bool IsChecked(int id) { return ItemValue(id) != 0; }
    void SetChecked(int id, bool checked) { SetItemValue(id, checked ? 1 : 0); }
    // Has the control `id`, or with kWholeDialog the whole dialog, drawn again, background and all.
    virtual void Invalidate(int id) = 0;
    static constexpr int kWholeDialog = 0;

    // List boxes whose rows the program draws itself: rows carry only a number of their own.
    virtual int ListAddRow(int id, std::uintptr_t data) = 0;
    virtual void ListDeleteRow(int id, int row) = 0;
    virtual int ListSelection(int id) = 0;  // -1: none
    virtual void ListSelect(int id, int row) = 0;

    // Combo boxes, icon statics and dropped files: what the entry editing dialogs need.
    // Fills a drop-down list with `items` and selects one; an index outside the items leaves it
    // without a selection.
    virtual void SetComboItems(int id, const std::vector<std::string>& items, int selection) = 0;
    // -1 when nothing is selected.
    virtual int ComboSelection(int id) = 0;
    // The static only borrows the icon: its owner keeps it alive while it is shown and lets it
    // go only after showing another one (or none) or after the dialog has ended.
    virtual void SetItemIcon(int id, const Icon* icon) = 0;
};

// One row of an owner-drawn list, as the window system asks for it to be drawn.
struct DrawItem {
    int control = 0;
    int row = -1;  // -1: an empty list that has the focus
    unsigned action = 0;
    unsigned state = 0;
    Rect rect;  // in the control's client coordinates
    WindowRef window;
};
namespace oda {
inline constexpr unsigned kDrawEntire = 1;
inline constexpr unsigned kSelect = 2;
inline constexpr unsigned kFocus = 4;
inline constexpr unsigned kSelected = 1;  // a state
}  // namespace oda

}  // namespace plat
