// The input port: the mouse, the keyboard focus and the window in the foreground. (Hotkeys and
// keyboard focus among the buttons belong here too.)
#pragma once

#include "platform/Types.h"

namespace plat {

class IInput {
  public:
    virtual ~IInput() = default;
    // The mouse pointer, screen pixels.
    virtual Point CursorPos() = 0;
    virtual void SetCapture(WindowRef window) = 0;
    virtual void ReleaseCapture() = 0;
    virtual void SetFocus(WindowRef window) = 0;
    virtual void SetForegroundWindow(WindowRef window) = 0;
    // From now on `main` hears OnForegroundWindow whenever the window in the foreground may have
    // changed, and once at the start; one main window watches at a time.
    virtual void WatchForeground(WindowRef main) = 0;
    virtual void StopWatchingForeground() = 0;
};

}  // namespace plat
