// The main window's watch on the window in the foreground, for the program's windows that stay
// on top and must make way for a full-screen program.
#pragma once

#include <windows.h>

#include "platform/MainWindowEvents.h"

namespace win32 {

// Starts the watch for the program's main window; one main window watches at a time.
void StartForegroundWatch(HWND main);
void StopForegroundWatch(HWND main);
// A window as the logic sees it when it is in the foreground; none for no window.
plat::ForegroundWindow DescribeWindow(HWND hwnd);
// Tells `events` what is in the foreground when `msg` says it may have changed; true when the
// message was the watch's own and needs nothing more.
bool HearForeground(HWND main, UINT msg, WPARAM wParam, plat::IMainWindowEvents& events);

}  // namespace win32
