// Modal work in memory: message boxes, menus and dialogs answered by the test's script, and the
// choosers' answers in order.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/fake/FakeWindows.h"

namespace fake {

struct MessageBoxCall {
    plat::WindowRef owner;
    std::string text;
    std::string caption;
    unsigned type = 0;
};

// A modal dialog while a test's script runs it: the template's controls with their texts.
class FakeDialog : public plat::IDialog {
  public:
    FakeDialog(const plat::DialogTemplate& t, plat::IDialogEvents& events, plat::WindowRef self);
    plat::WindowRef Window() override { return m_self; }
    std::string ItemText(int id) override;
    void SetItemText(int id, std::string_view text) override;
    void FocusItem(int id, bool selectAll) override;
    void SetSpinRange(int id, int lower, int upper) override;
    void End(int result) override;
    plat::Rect ClientRect() override;
    plat::Rect ItemRect(int id) override;
    void MoveItem(int id, plat::Rect rect) override;
    unsigned ItemValue(int id) override;
    void SetItemValue(int id, unsigned value) override;
    using plat::IDialog::IsChecked;
    using plat::IDialog::SetChecked;
    void Invalidate(int id) override;
    int ListAddRow(int id, std::uintptr_t data) override;
    void ListDeleteRow(int id, int row) override;
    int ListSelection(int id) override;
    void ListSelect(int id, int row) override;
    // How many rows a list holds.
    int RowCount(int id);

    // The window system drawing an owner-drawn row.
    void DrawRow(int id, int row, unsigned action);
    std::map<int, std::vector<std::uintptr_t>> listRows;
    std::map<int, int> listSelection;

    // The window system asking for a repaint.
    void Paint() { m_events.OnPaint(*this); }
    // A dialog unit is kDialogUnit / 2 pixels both ways in the fake, as with a 9-point font.
    static constexpr int kDialogUnit = 3;
    int invalidations = 0;
    void SetComboItems(int id, const std::vector<std::string>& items, int selection) override;
    void SetComboSelection(int id, int index);
    int ComboSelection(int id) override;
    void SetItemIcon(int id, const plat::Icon* icon) override;

    // The user's hands: a click on a button, as the window system would report it, typing
    // into an edit (which reports the change as an edit would, as it does for SetItemText),
    // choosing a combo box item and dropping files on the dialog.
    // A click on an automatic check box turns it over first.
    void Click(int id);
    void Type(int id, std::string_view text) { SetItemText(id, text); }
    void Choose(int id, int index);
    // Pressing a combination in a hot-key control (plat::hotkey's form; 0 clears it).
    void PressKeys(int id, unsigned combination) { SetItemValue(id, combination); }
    void Drop(const std::vector<std::string>& files) { m_events.OnDropFiles(*this, files); }

    std::map<int, std::vector<std::string>> comboItems;
    std::map<int, int> comboSelection;
    // The handle each icon static shows (0: none). The dialog only lends it, so a test sees a
    // released one as a handle the fake no longer knows.
    std::map<int, std::uintptr_t> shownIcons;

    int focusedItem = -1;
    bool focusSelectsAll = false;
    std::map<int, std::pair<int, int>> spinRanges;

    const plat::DialogTemplate& Template() const { return m_template; }
    bool Ended() const { return m_result.has_value(); }
    int Result() const { return m_result.value_or(plat::mb::kIdCancel); }

  private:
    const plat::DialogTemplate& m_template;
    plat::IDialogEvents& m_events;
    plat::WindowRef m_self;
    std::map<int, std::string> m_texts;
    std::map<int, plat::Rect> m_rects;
    std::map<int, unsigned> m_values;
    std::optional<int> m_result;
};

// What a test does while a dialog is open. A dialog the script leaves open is cancelled.
using DialogScript = std::function<void(FakeDialog&)>;

struct TrackedMenu {
    plat::Menu menu;
    plat::Point at;
    plat::WindowRef owner;
};

struct OpenFileCall {
    std::string filter;
    std::string initialName;
    unsigned flags = 0;
};

class FakeDialogs : public plat::IDialogs {
  public:
    FakeDialogs(std::vector<std::string>& log, FakeWindows& windows)
        : m_log(log), m_windows(windows) {}

    int ShowMessageBox(plat::WindowRef owner, std::string_view text, unsigned type) override;
    void TrackPopupMenu(const plat::Menu& menu, plat::Point at, plat::WindowRef owner) override;
    int RunModalDialog(const plat::DialogTemplate& dialog, plat::WindowRef parent,
                       plat::IDialogEvents& events) override;
    bool PickColour(plat::WindowRef owner, plat::Colour& colour) override;
    bool PickFont(plat::WindowRef owner, plat::LogFont& font, unsigned flags) override;
    bool PickOpenFile(plat::WindowRef owner, std::string_view filter, std::string_view initialName,
                      unsigned flags, std::string& path) override;
    bool PickSaveFile(plat::WindowRef owner, std::string_view filter, std::string_view initialName,
                      unsigned flags, std::string& path) override;

    // Scripted: box answers, what the user does in each dialog, the choosers' answers, in order;
    // no answer left means OK for a box and Cancel for a chooser.
    std::deque<int> messageBoxAnswers;
    std::deque<DialogScript> dialogScripts;
    std::deque<plat::Colour> colourAnswers;
    std::deque<plat::LogFont> fontAnswers;
    std::deque<std::string> openFileAnswers;
    std::deque<std::string> saveFileAnswers;
    // What else happens while a box is up or a menu is tracked: their loops still hand out
    // messages, so another program's close request may come in then.
    std::function<void(const MessageBoxCall&)> whileMessageBox;
    std::function<void(const TrackedMenu&)> whileMenu;

    std::vector<MessageBoxCall> messageBoxes;
    std::vector<TrackedMenu> menus;
    std::vector<const plat::DialogTemplate*> templates;  // every dialog run, in order
    std::vector<OpenFileCall> openFileCalls;
    std::vector<OpenFileCall> saveFileCalls;
    std::vector<unsigned> fontFlags;

  private:
    std::vector<std::string>& m_log;
    FakeWindows& m_windows;
};

}  // namespace fake
