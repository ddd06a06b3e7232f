// What the hidden main window hears: its life, its commands, the notification icon's mouse
// and the end of the session.
#pragma once

#include "platform/Types.h"

namespace plat {

// What the hidden main window hears from the window system.
class IMainWindowEvents {
  public:
    virtual ~IMainWindowEvents() = default;
    // During creation; false fails it.
    virtual bool OnCreate(WindowRef self) = 0;
    virtual void OnClose() = 0;
    // `defaultAnswer` is what default processing said; the result is the window's answer.
    virtual bool OnQueryEndSession(bool defaultAnswer) = 0;
    virtual void OnCommand(int id) = 0;
    // The notification icon's callback, with the mouse event it carries.
    virtual void OnTrayEvent(int mouseEvent) = 0;
    // The shell made its notification area anew (it restarted): every icon in it is gone.
    virtual void OnTaskbarCreated() = 0;
    // Monitors were added, removed or rearranged.
    virtual void OnDisplayChange() = 0;
    // The window is gone; nothing may be done with it any more.
    virtual void OnDestroyed() = 0;
};

}  // namespace plat
