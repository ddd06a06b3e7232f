#include <windows.h>
#include <commctrl.h>

#include "app/MainApp.h"
#include "platform/win32/Win32Platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // First: it decides where libraries come from and starts COM on this thread.
    win32::Win32Platform platform;
    // The up-down controls and the buttons' tips.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CMainApp app(platform);
    return app.Run();
}
