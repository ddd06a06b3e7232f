#include "app/MainApp.h"

#include "res/Texts.h"
#include "shell/MainWnd.h"

namespace {
constexpr int kMinimumMajorVersion = 4;
// Held by the running program from its first step, before any window of it exists.
constexpr const char* kInstanceLock = "Kestrowave.Vopdrant.Brisalto";
}  // namespace

CMainApp::CMainApp(plat::IPlatform& platform) : m_platform(platform) {}

CMainApp::~CMainApp() = default;

bool CMainApp::InitInstance() {
    m_platform.Store().SetLocation(text::kMaker, text::kAppName);

    auto& system = m_platform.System();
    auto& dialogs = m_platform.Dialogs();
    const unsigned warning = plat::mb::kOk | plat::mb::kIconExclamation;
    // Two starts close together (the sign-in start and a click) both find no window yet; only one
    // of them gets the lock. The window still counts, for a copy that takes no lock.
    if (!system.TakeInstanceLock(kInstanceLock) || system.FindTopLevelWindow(text::kMainCaption)) {
        dialogs.ShowMessageBox({}, text::kAlreadyRunning, warning);
        return false;
    }
    if (system.MajorVersion() < kMinimumMajorVersion) {
        dialogs.ShowMessageBox({}, text::kOsTooOld, warning);
        return false;
    }

    // Once, and only in the copy that runs.
    switch (m_platform.Store().Health()) {
        case plat::StoreHealth::Kept:
            break;
        case plat::StoreHealth::ReadOnly:
            dialogs.ShowMessageBox({}, text::kSettingsReadOnly, warning);
            break;
        case plat::StoreHealth::TooLarge:
            dialogs.ShowMessageBox({}, text::kSettingsTooLarge, warning);
            break;
    }

    auto mainWnd = std::make_unique<CMainWnd>(m_platform);
    if (!mainWnd->Create()) return false;
    m_pMainWnd = std::move(mainWnd);
    m_pMainWnd->LoadAllButtons();
    system.RegisterRestart();
    return true;
}

int CMainApp::Run() {
    if (!InitInstance()) return 0;
    return m_platform.Windows().RunMessageLoop();
}
