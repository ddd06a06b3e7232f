// The application object: start-up checks, the settings store's location, the main window and
// the message loop.
#pragma once

#include <memory>

#include "platform/Platform.h"

class CMainWnd;

class CMainApp {
  public:
    explicit CMainApp(plat::IPlatform& platform);
    ~CMainApp();
    CMainApp(const CMainApp&) = delete;
    CMainApp& operator=(const CMainApp&) = delete;

    // Start-up in its fixed order; false ends the program at once with nothing created.
    bool InitInstance();
    // Start-up, then the message loop; the process's exit code.
    int Run();

    CMainWnd* MainWnd() { return m_pMainWnd.get(); }

  private:
    plat::IPlatform& m_platform;
    std::unique_ptr<CMainWnd> m_pMainWnd;
};
