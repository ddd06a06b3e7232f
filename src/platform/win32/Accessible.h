// The program's popups as a screen reader sees them: each answers for itself with an object of
// its own (IAccessible), built on the system's account of the window for where it is and what
// is around it, and says so when it gets the focus.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include "platform/PopupEvents.h"

namespace win32 {

// The events of one of the program's popups; none for any other window, or once the popup no
// longer reports to an object.
plat::IPopupEvents* PopupEventsOf(HWND hwnd);

// Takes what a screen reader asks of a popup (WM_GETOBJECT, the action it asked for) and tells
// it of the focus. True when the message is answered with `result`.
bool HearAccessibility(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                       plat::IPopupEvents& events, LRESULT& result);

// The object a screen reader gets for the popup's client area, with one reference for the caller;
// null when the popup does not describe itself.
IAccessible* NewAccessible(HWND hwnd);

}  // namespace win32
