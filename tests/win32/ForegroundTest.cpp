#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/win32/Foreground.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Windows.h"

namespace {

using Kind = plat::ForegroundWindow::Kind;

// A top-level window of a class of the test's own, named as the shell names its windows.
class WindowOfClass {
  public:
    explicit WindowOfClass(const wchar_t* className) : m_class(className) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = className;
        RegisterClassW(&wc);
        hwnd = CreateWindowExW(0, className, L"", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                               nullptr, wc.hInstance, nullptr);
    }
    ~WindowOfClass() {
        DestroyWindow(hwnd);
        UnregisterClassW(m_class, GetModuleHandleW(nullptr));
    }
    WindowOfClass(const WindowOfClass&) = delete;
    WindowOfClass& operator=(const WindowOfClass&) = delete;
    HWND hwnd = nullptr;

  private:
    const wchar_t* m_class;
};

struct FindOfProcess {
    DWORD process;
    HWND found = nullptr;
};

BOOL CALLBACK TakeVisibleOf(HWND hwnd, LPARAM param) {
    auto* find = reinterpret_cast<FindOfProcess*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != find->process || !IsWindowVisible(hwnd)) return TRUE;
    find->found = hwnd;
    return FALSE;
}

// A desktop click must never read as a program that took the whole monitor: every button that
// stays on top would make way for the wallpaper.
TEST(Foreground, TheDesktopTheTaskbarOurOwnAnotherProgramAndNoneAreToldApart) {
    EXPECT_EQ(win32::DescribeWindow(nullptr).kind, Kind::None);
    EXPECT_EQ(win32::DescribeWindow(GetDesktopWindow()).kind, Kind::Desktop);
    {
        WindowOfClass wallpaper(L"WorkerW");
        EXPECT_EQ(win32::DescribeWindow(wallpaper.hwnd).kind, Kind::Desktop);
    }
    {
        WindowOfClass taskbar(L"Shell_TrayWnd");
        EXPECT_EQ(win32::DescribeWindow(taskbar.hwnd).kind, Kind::Taskbar);
    }
    {
        WindowOfClass ours(L"BrisaltoForegroundTest");
        const plat::ForegroundWindow w = win32::DescribeWindow(ours.hwnd);
        EXPECT_EQ(w.kind, Kind::Ours);
        EXPECT_TRUE(w.visible);
        EXPECT_EQ(w.client, (plat::Rect{10, 10, 210, 110}));
        EXPECT_TRUE(w.monitor.Covers(w.client));
    }

    // Another program's window.
    wchar_t line[] = L"notepad.exe";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    FindOfProcess find{process.dwProcessId};
    for (int i = 0; i < 100 && find.found == nullptr; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EnumWindows(TakeVisibleOf, reinterpret_cast<LPARAM>(&find));
    }
    EXPECT_NE(find.found, nullptr) << "notepad showed no window";
    if (find.found != nullptr) {
        EXPECT_EQ(win32::DescribeWindow(find.found).kind, Kind::Program);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

struct MainEvents : plat::IMainWindowEvents {
    bool OnCreate(plat::WindowRef) override { return true; }
    void OnClose() override { ++heard; }
    bool OnQueryEndSession(bool answer) override { return answer; }
    void OnEndSession(bool) override { ++heard; }
    void OnCommand(int) override { ++heard; }
    void OnTrayEvent(int, plat::Point) override { ++heard; }
    void OnTaskbarCreated() override { ++heard; }
    void OnDisplayChange() override { ++heard; }
    void OnForegroundWindow(const plat::ForegroundWindow&) override {}
    void OnDestroyed() override { ++heard; }
    int heard = 0;
};

struct PopupEvents : plat::IPopupEvents {
    void OnCreate(plat::WindowRef self) override { window = self; }
    void OnCommand(int) override { ++heard; }
    void OnLButtonDown(plat::Point, unsigned) override { ++heard; }
    bool OnClose() override {
        ++heard;
        return false;
    }
    void OnDestroy() override { ++heard; }
    plat::WindowRef window;
    int heard = 0;
};

// At the end every window of the program is let go of its object at once, and stays up until the
// process takes it: messages that still come reach nobody, and the loop ends with 0.
TEST(Exit, DetachingLetsEveryWindowGoOfItsObjectAndTheQuitEndsTheLoopWithZero) {
    win32::Windows windows;
    MainEvents mainEvents;
    const plat::WindowRef main = windows.CreateMainWindow("BrisaltoExitTest", mainEvents);
    ASSERT_TRUE(main);
    PopupEvents button, clock;
    plat::PopupSpec spec;
    spec.owner = main;
    spec.rect = {50, 50, 85, 85};
    windows.CreatePopup(spec, button);
    spec.kind = plat::WindowKind::Clock;
    spec.rect = {100, 100, 200, 150};
    const plat::WindowRef clockWindow = windows.CreatePopup(spec, clock);
    ASSERT_TRUE(clockWindow);
    HWND buttonHwnd = win32::ToHwnd(button.window);
    ASSERT_NE(buttonHwnd, nullptr);

    SendMessageW(buttonHwnd, WM_COMMAND, 7, 0);
    ASSERT_EQ(button.heard, 1) << "attached, a window reports";

    windows.DetachAll();
    for (HWND hwnd : {win32::ToHwnd(main), buttonHwnd, win32::ToHwnd(clockWindow)}) {
        SendMessageW(hwnd, WM_COMMAND, 7, 0);
        SendMessageW(hwnd, WM_LBUTTONDOWN, 0, 0);
        EXPECT_TRUE(IsWindow(hwnd)) << "left to the end of the process";
    }
    // Bare, the main window closes as a plain window does, and its owned popups go with it.
    SendMessageW(win32::ToHwnd(main), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(buttonHwnd));
    EXPECT_EQ(mainEvents.heard, 0);
    EXPECT_EQ(button.heard, 1);
    EXPECT_EQ(clock.heard, 0);

    windows.PostQuit();
    EXPECT_EQ(windows.RunMessageLoop(), 0);
    EXPECT_EQ(mainEvents.heard + button.heard + clock.heard, 1);
}

}  // namespace
