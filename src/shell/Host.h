// What a launch button and the clock ask of the window that holds them: the guard that turns
// clicks away while one of the program's modal dialogs is open, the owner of their dialogs, and
// the collection's services. The main window is the one host.
#pragma once

#include <memory>
#include <string>

#include "button/FocusMove.h"
#include "platform/Types.h"
#include "platform/Windows.h"

class CLaunchButton;

class IHost {
  public:
    virtual ~IHost() = default;
    // The owner of the buttons, the clock and their dialogs.
    virtual plat::WindowRef Window() const = 0;
    // While a dialog is open, clicks on the tray icon, the buttons and the clock only beep:
    // true when this click was turned away so.
    virtual bool RefuseWhileDialogOpen() = 0;
    // Counts a modal dialog or confirmation as open, and as closed again; see DialogScope.
    virtual void EnterDialog() = 0;
    virtual void LeaveDialog() = 0;
    // Takes a confirmed deletion out of the collection and stores the renumbered list.
    virtual void RemoveButton(CLaunchButton* button) = 0;
    // Stores the buttons after a finished change.
    virtual void SaveButtonList() = 0;
    // Puts every button and the clock that should be on top back on top.
    virtual void RefreshTopmost() = 0;
    // The icon of a button's icon file and index: 32 x 32 when `room` is 0, else the largest
    // picture of the file that fits `room` pixels; none when the file has none.
    virtual std::shared_ptr<const plat::Icon> ButtonIcon(const std::string& file, int index,
                                                         int room) = 0;
    // Where a window set to stay on top belongs when it lies at `rect` (screen pixels): the top
    // band, or the bottom while a full-screen program covers its monitor.
    virtual plat::ZOrder TopBand(plat::Rect rect) const = 0;

    // The keyboard on the buttons. Whether the focus is shown: the keyboard was used on a button
    // since the mouse last was.
    virtual bool KeyboardMode() const = 0;
    // A key or the mouse was used on `button`: the focus shows from now on, or no longer, and the
    // hotkey comes back to this button.
    virtual void ButtonUsed(CLaunchButton* button, bool byKeyboard) = 0;
    // The keyboard focus came to `button`, or left it.
    virtual void ButtonFocus(CLaunchButton* button, bool gained) = 0;
    // Moves the focus from `button` as the key asks; it stays where no button lies that way.
    virtual void MoveFocus(CLaunchButton* from, FocusMove move) = 0;
    // The hotkey's turn is over: Esc gives the foreground back to the window that had it, a start
    // leaves it to the program started; either way buttons that were hidden hide again.
    virtual void EndKeyboardTurn(bool giveBack) = 0;
};

// Counts one of the program's modal dialogs or confirmations as open while it lives.
class DialogScope {
  public:
    explicit DialogScope(IHost& host) : m_host(host) { m_host.EnterDialog(); }
    ~DialogScope() { m_host.LeaveDialog(); }
    DialogScope(const DialogScope&) = delete;
    DialogScope& operator=(const DialogScope&) = delete;

  private:
    IHost& m_host;
};
