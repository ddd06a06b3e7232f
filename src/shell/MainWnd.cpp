#include "shell/MainWnd.h"

#include <algorithm>

#include "app/MainApp.h"
#include "clock/WatchWnd.h"
#include "res/Resource.h"
#include "res/Texts.h"

CMainWnd::CMainWnd(CMainApp& app) : m_app(app), m_platform(app.Platform()) {
    // A count below zero can only come from a hand-edited store; one far beyond what the window
    // system can hold would stall start-up for nothing.
    const int stored = m_platform.Store().ReadInt("Button", "Num", 0);
    m_nButtons = std::clamp(stored, 0, kMaxButtons);
}

CMainWnd::~CMainWnd() = default;

bool CMainWnd::Create() {
    plat::MainWindowSpec spec;
    spec.caption = text::kMainCaption;
    spec.style = plat::ws::kCaption | plat::ws::kMinimizeBox;
    spec.exStyle = plat::ws::kExToolWindow;
    spec.width = 100;
    spec.height = 100;
    auto& windows = m_platform.Windows();
    if (!windows.CreateMainWindow(spec, *this)) return false;
    windows.ShowWindow(m_hWnd, plat::sw::kHide);
    return true;
}

bool CMainWnd::OnCreate(plat::WindowRef self) {
    m_hWnd = self;
    AddTrayIcon();
    return true;
}

void CMainWnd::LoadAllButtons() {
    for (int n = 1; n <= m_nButtons; ++n) {
        ButtonInfo info;
        int option = 0;
        m_app.LoadButtonInfo(n, info, option);
        CreateButton(info, option);
    }
    RefreshTopmost();
    if (m_platform.Store().ReadInt("Watch", "Show", 0) == 1) CreateClock();
}

void CMainWnd::CreateButton(const ButtonInfo& info, int option) {
    auto button = std::make_unique<CLaunchButton>();
    button->ApplyInfo(info, option);
    m_buttons.push_back(std::move(button));
}

void CMainWnd::RemoveButton(CLaunchButton* button) {
    auto it = std::find_if(m_buttons.begin(), m_buttons.end(),
                           [button](const auto& b) { return b.get() == button; });
    if (it == m_buttons.end()) return;
    m_buttons.erase(it);
    SaveButtonList();
}

void CMainWnd::SaveButtonList() {
    m_platform.Store().WriteInt("Button", "Num", ButtonCount());
    SaveAllButtons();
}

void CMainWnd::SaveAllButtons() {
    for (int i = 0; i < ButtonCount(); ++i) {
        ButtonInfo info;
        int option = 0;
        m_buttons[static_cast<std::size_t>(i)]->GetInfo(info, option);
        m_app.SaveButtonInfo(i + 1, info, option);
    }
}

void CMainWnd::RefreshTopmost() {
    for (auto& button : m_buttons) button->ReassertTopmost();
    if (m_pWatch) m_pWatch->ReassertTopmost();
}

void CMainWnd::SaveOnExit() {
    RemoveTrayIcon();
    SaveAllButtons();
    m_platform.Store().WriteInt("Watch", "Show", m_pWatch ? 1 : 0);
    DestroyClock();
}

void CMainWnd::OnClose() {
    SaveOnExit();
    m_platform.Windows().DestroyWindow(m_hWnd);
}

bool CMainWnd::OnQueryEndSession(bool defaultAnswer) {
    if (!defaultAnswer) return false;
    SaveOnExit();
    return true;
}

void CMainWnd::OnCommand(int id) {
    switch (id) {
        case ID_APP_EXIT:
            if (m_nOpenDialogs == 0) {
                OnClose();
            } else {
                m_platform.Windows().ShowMessageBox(m_hWnd, text::kCloseDialogsFirst,
                                                    text::kAppName, plat::mb::kOk);
            }
            break;
        default:
            break;
    }
}

void CMainWnd::OnDestroyed() {
    // The button windows went with their owner.
    m_buttons.clear();
    m_hWnd = {};
    m_platform.Windows().PostQuit(0);
}

void CMainWnd::AddTrayIcon() {}

void CMainWnd::RemoveTrayIcon() {}

void CMainWnd::CreateClock() {}

void CMainWnd::DestroyClock() { m_pWatch.reset(); }
