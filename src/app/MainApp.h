// The application object: start-up checks, the settings store's location, the main window and
// the message loop, and the reading and writing of one button's stored entry.
#pragma once

#include <memory>

#include "button/ButtonInfo.h"
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

    // Section Btn<n> of the store.
    void LoadButtonInfo(int n, ButtonInfo& info, int& option);
    void SaveButtonInfo(int n, ButtonInfo info, int option);

    plat::IPlatform& Platform() { return m_platform; }
    CMainWnd* MainWnd() { return m_pMainWnd.get(); }

  private:
    plat::IPlatform& m_platform;
    std::unique_ptr<CMainWnd> m_pMainWnd;
};

// The store's section name of button n: "Btn%d".
std::string ButtonSection(int n);
