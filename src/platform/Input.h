// The input port: the mouse, the keyboard focus, the window in the foreground and the hotkey.
#pragma once

#include "platform/Types.h"

namespace plat {

// A key combination for the whole system: the modifiers and the virtual key, as the program
// keeps them in one number, (modifiers << 8) | key. 0 is none.
namespace hotkey {
inline constexpr unsigned kAlt = 0x1;
inline constexpr unsigned kControl = 0x2;
inline constexpr unsigned kShift = 0x4;
inline constexpr unsigned kWin = 0x8;
constexpr unsigned Modifiers(unsigned combination) { return (combination >> 8) & 0xFF; }
constexpr unsigned Key(unsigned combination) { return combination & 0xFF; }
constexpr unsigned Combine(unsigned modifiers, unsigned key) { return (modifiers << 8) | key; }
}  // namespace hotkey

class IInput {
  public:
    virtual ~IInput() = default;
    // The mouse pointer, screen pixels.
    virtual Point CursorPos() = 0;
    virtual void SetCapture(WindowRef window) = 0;
    virtual void ReleaseCapture() = 0;
    virtual void SetFocus(WindowRef window) = 0;
    // Any window, ours or another program's.
    virtual void SetForegroundWindow(WindowRef window) = 0;
    // The window in the foreground now, whoever's; none when there is none.
    virtual WindowRef ForegroundWindow() = 0;
    // From now on `main` hears OnForegroundWindow whenever the window in the foreground may have
    // changed, and once at the start; one main window watches at a time.
    virtual void WatchForeground(WindowRef main) = 0;
    virtual void StopWatchingForeground() = 0;
    // From now on `main` hears OnHotkey whenever the combination is pressed, wherever the focus
    // is; it replaces the one registered before. False when another program holds it (then none
    // is registered).
    virtual bool RegisterHotkey(WindowRef main, unsigned combination) = 0;
    virtual void UnregisterHotkey(WindowRef main) = 0;
};

}  // namespace plat
