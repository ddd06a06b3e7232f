// What the hidden main window hears: its life, its commands, the notification icon's mouse,
// the window in the foreground and the end of the session.
#pragma once

#include "platform/Types.h"

namespace plat {

// The window in the foreground, whoever owns it: as much as tells whether a program has taken a
// whole monitor for itself.
struct ForegroundWindow {
    enum class Kind { None, Program, Desktop, Taskbar, Ours };
    Kind kind = Kind::None;  // None: no window is in the foreground
    bool visible = false;    // shown and not minimised
    Rect client;             // its client area, screen pixels
    Rect monitor;            // the whole of the monitor it is on
};

// A timer of this id on the main window is the logic's own way of asking the window system what is
// in the foreground: at each tick OnForegroundWindow is told again, whether or not anything said
// that it changed.
constexpr int kForegroundLookTimer = 0x4C4B;

// What the hidden main window hears from the window system.
class IMainWindowEvents {
  public:
    virtual ~IMainWindowEvents() = default;
    // During creation; false fails it.
    virtual bool OnCreate(WindowRef self) = 0;
    virtual void OnClose() = 0;
    // `defaultAnswer` is what default processing said; the result is the window's answer.
    virtual bool OnQueryEndSession(bool defaultAnswer) = 0;
    // Whether the session ends after all: it may go on when another program refused.
    virtual void OnEndSession(bool ending) = 0;
    virtual void OnCommand(int id) = 0;
    // The notification icon's callback: the event it carries (plat::tray) and the point it
    // concerns, in screen pixels.
    virtual void OnTrayEvent(int event, Point anchor) = 0;
    // The shell made its notification area anew (it restarted): every icon in it is gone.
    virtual void OnTaskbarCreated() = 0;
    // Monitors were added, removed or rearranged.
    virtual void OnDisplayChange() = 0;
    // Another window came to the foreground, or the one there moved, changed its size, hid or
    // went; told again whenever it may have, so the answer may be the same as the last one.
    virtual void OnForegroundWindow(const ForegroundWindow& window) = 0;
    // The combination registered with RegisterHotkey was pressed.
    virtual void OnHotkey() {}
    // A timer the logic set on this window went off (the foreground look's is not told here).
    virtual void OnTimer(int /*id*/) {}
    // The window is gone; nothing may be done with it any more.
    virtual void OnDestroyed() = 0;
};

}  // namespace plat
