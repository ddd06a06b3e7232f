#include <windows.h>

#include "app/MainApp.h"
#include "platform/win32/Win32Platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    win32::Win32Platform platform;
    CMainApp app(platform);
    return app.Run();
}
