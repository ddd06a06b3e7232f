// The modal work port: message boxes, popup menus, dialogs from templates and the colour,
// font, open-file and save-file choosers. Each runs until the user is done with it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Dialog.h"
#include "platform/Types.h"

namespace plat {

namespace mb {
inline constexpr unsigned kOk = 0x0;
inline constexpr unsigned kOkCancel = 0x1;
inline constexpr unsigned kYesNo = 0x4;
inline constexpr unsigned kIconQuestion = 0x20;
inline constexpr unsigned kIconExclamation = 0x30;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
}  // namespace mb

// Open-file chooser flags.
namespace ofn {
inline constexpr unsigned kOverwritePrompt = 0x2;
inline constexpr unsigned kHideReadOnly = 0x4;
}  // namespace ofn

// A popup menu as data; the adapter builds the platform's menus from it, tracks them and
// destroys them again.
struct MenuItem {
    enum class Kind { Command, Separator, Submenu };
    Kind kind = Kind::Command;
    std::string text;
    int id = 0;
    bool checked = false;
    std::vector<MenuItem> items;  // a submenu's entries

    static MenuItem Command(std::string text, int id, bool checked = false) {
        return {Kind::Command, std::move(text), id, checked, {}};
    }
    static MenuItem Separator() { return {Kind::Separator, {}, 0, false, {}}; }
    static MenuItem Submenu(std::string text, std::vector<MenuItem> items) {
        return {Kind::Submenu, std::move(text), 0, false, std::move(items)};
    }
    friend bool operator==(const MenuItem&, const MenuItem&) = default;
};
using Menu = std::vector<MenuItem>;

class IDialogEvents {
  public:
    virtual ~IDialogEvents() = default;
    virtual void OnInitDialog(IDialog& dialog) = 0;
    // Inside the dialog's paint cycle; drawing goes through the graphics port.
    virtual void OnPaint(IDialog& /*dialog*/) {}
    // Owner-drawn rows: their size, and their drawing.
    virtual Size OnMeasureItem(IDialog& /*dialog*/, int /*control*/, int /*row*/) { return {}; }
    virtual void OnDrawItem(IDialog& /*dialog*/, const DrawItem& /*item*/) {}
    // OK, Enter, Cancel, Escape and the close box end the dialog unless a dialog says otherwise.
    virtual void OnCommand(IDialog& dialog, int id, int /*notifyCode*/) {
        if (id == mb::kIdOk || id == mb::kIdCancel) dialog.End(id);
    }
    // Files dropped on a dialog whose template accepts them: full paths, in drop order.
    virtual void OnDropFiles(IDialog& /*dialog*/, const std::vector<std::string>& /*files*/) {}
};

// Modal work.
class IDialogs {
  public:
    virtual ~IDialogs() = default;
    // A box captioned with the program's name.
    virtual int ShowMessageBox(WindowRef owner, std::string_view text, unsigned type) = 0;
    // Tracks the menu at `at`; the chosen command reaches the owner as OnCommand.
    virtual void TrackPopupMenu(const Menu& menu, Point at, WindowRef owner) = 0;
    // Runs a modal dialog from the template; the result it ended with.
    virtual int RunModalDialog(const DialogTemplate& dialog, WindowRef parent,
                               IDialogEvents& events) = 0;

    // The common dialogs; false when the user cancelled.
    virtual bool PickColour(WindowRef owner, Colour& colour) = 0;
    virtual bool PickFont(WindowRef owner, LogFont& font, unsigned flags) = 0;
    // `filter` is pairs of label and pattern separated by '|'.
    virtual bool PickOpenFile(WindowRef owner, std::string_view filter,
                              std::string_view initialName, unsigned flags, std::string& path) = 0;
    virtual bool PickSaveFile(WindowRef owner, std::string_view filter,
                              std::string_view initialName, unsigned flags, std::string& path) = 0;
};

}  // namespace plat
