// What a launch button or the clock hears from the window system: paint, timers, the mouse, the
// keyboard, dropped files, commands, moves and its end.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/AccessibleEvents.h"
#include "platform/Types.h"

namespace plat {

// The keys a focused window acts on; the menu key stands for Shift+F10 as well.
enum class Key { Left, Right, Up, Down, Tab, Home, End, Enter, Space, Escape, Menu };

// What the program's own popup windows (the launch buttons, the clock) hear. Points of mouse
// messages are in client coordinates, the hit test's in screen coordinates.
class IPopupEvents {
  public:
    virtual ~IPopupEvents() = default;
    // The window exists.
    virtual void OnCreate(WindowRef /*self*/) {}
    // Inside the platform's paint cycle; drawing goes through the graphics port.
    virtual void OnPaint() {}
    virtual void OnTimer(int /*id*/) {}
    // The answer to the hit test; none leaves it to default processing.
    virtual std::optional<int> OnNcHitTest(Point /*screen*/) { return std::nullopt; }
    // Before default processing, which may start the platform's own move.
    virtual void OnNcLButtonDown() {}
    virtual void OnNcLButtonDblClk() {}
    virtual void OnLButtonDown(Point /*client*/, unsigned /*keys*/) {}
    virtual void OnLButtonUp(Point /*client*/, unsigned /*keys*/) {}
    virtual void OnRButtonDown(Point /*client*/, unsigned /*keys*/) {}
    virtual void OnMouseMove(Point /*client*/, unsigned /*keys*/) {}
    // A key pressed while the window has the keyboard focus, with the shift and control keys
    // held (mk::kShift, mk::kControl); false leaves it to default processing.
    virtual bool OnKeyDown(Key /*key*/, unsigned /*keys*/) { return false; }
    // The keyboard focus came to the window, or left it.
    virtual void OnFocus(bool /*gained*/) {}
    // Full paths, in drop order; `keys` holds the shift and control keys held at the drop.
    virtual void OnDropFiles(const std::vector<std::string>& /*files*/, unsigned /*keys*/) {}
    virtual void OnCommand(int /*id*/) {}
    // The start and the end of a move or resize by the platform.
    virtual void OnEnterSizeMove() {}
    virtual void OnExitSizeMove() {}
    // The smallest size the window may take, at creation and when the user resizes it; none
    // leaves the platform's own, which for a sizing frame is that of a captioned window.
    virtual std::optional<Size> OnGetMinTrackSize() { return std::nullopt; }
    // The window's monitor has another scale now (a move to another monitor, or the user's
    // choice): `dpi` is the new one, `suggested` the place and size (screen pixels) the platform
    // proposes for the window at that scale, chosen so that it stays on the monitor whose scale
    // it now has.
    virtual void OnDpiChanged(int /*dpi*/, Rect /*suggested*/) {}
    // False keeps the window open.
    virtual bool OnClose() { return true; }
    virtual void OnDestroy() {}
    // What a screen reader is told of the window; none leaves it to the platform's own account.
    virtual IAccessibleEvents* Accessible() { return nullptr; }
};

}  // namespace plat
