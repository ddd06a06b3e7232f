#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "RealFiles.h"
#include "button/LaunchButton.h"
#include "platform/win32/Graphics.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Utf.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Windows.h"
#include "shell/MainWnd.h"
#include "tests/e2e/Driver.h"

namespace {

using win32::ToHwnd;

struct Recorder : plat::IPopupEvents {
    void OnCreate(plat::WindowRef self) override { window = self; }
    void OnLButtonDown(plat::Point, unsigned) override { ++presses; }
    void OnLButtonUp(plat::Point, unsigned) override { ++releases; }
    int presses = 0;
    int releases = 0;
    void OnDropFiles(const std::vector<std::string>& files, unsigned) override { dropped = files; }
    bool OnClose() override { return agreesToClose; }
    bool agreesToClose = false;
    plat::WindowRef window;
    std::vector<std::string> dropped;
};

// A drop as the shell hands it over: a DROPFILES header and the names, wide, double-terminated.
HGLOBAL MakeDrop(const std::vector<std::wstring>& files) {
    std::size_t chars = 1;
    for (const auto& f : files) chars += f.size() + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * 2);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    auto* names = reinterpret_cast<wchar_t*>(header + 1);
    for (const auto& f : files) {
        std::memcpy(names, f.c_str(), f.size() * 2);
        names += f.size() + 1;
    }
    GlobalUnlock(memory);
    return memory;
}

// The program's main window on the real platform, with buttons made as the user makes them; it
// closes as the program does when it goes.
struct RealProgram {
    RealProgram() { EXPECT_TRUE(main.Create()); }
    ~RealProgram() {
        main.OnClose();
        DestroyWindow(ToHwnd(main.Window()));
        Pump();
    }
    RealProgram(const RealProgram&) = delete;
    RealProgram& operator=(const RealProgram&) = delete;

    HWND AddButton(const std::string& appName) {
        ButtonInfo info;
        info.size = plat::Dip(36);
        info.at = {200, 200};
        info.appName = appName;
        main.CreateButton(info, 0);
        return ToHwnd(main.m_buttons.back()->Window());
    }
    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }

    win32::Win32Platform platform;
    CMainWnd main{platform};
};

class Popups : public testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        windows.CreatePopup(CLaunchButton::WindowSpec({}), events);
        ASSERT_TRUE(events.window);
        hwnd = ToHwnd(events.window);
    }
    void TearDown() override {
        if (hwnd != nullptr) DestroyWindow(hwnd);
    }

    win32::Windows windows;
    win32::Graphics graphics;
    Recorder events;
    HWND hwnd = nullptr;
};

TEST_F(Popups, AButtonWindowTakesDropsStartsHiddenAndIsOneWindowWithoutAFont) {
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(GetWindowTextLengthW(hwnd), 0);
    EXPECT_EQ(GetWindow(hwnd, GW_CHILD), nullptr);
    EXPECT_EQ(SendMessageW(hwnd, WM_GETFONT, 0, 0), 0);
}

// A button starts its entry on a release that follows a press on it; a quick second click must
// not start it twice, so it may not arrive as a second press.
TEST_F(Popups, AQuickSecondClickOfTheRealMouseIsNoSecondPress) {
    windows.SetWindowPos(events.window, plat::ZOrder::Topmost, 300, 300, 35, 35,
                         plat::swp::kShowWindow);
    SetForegroundWindow(hwnd);
    SetCursorPos(317, 317);
    INPUT clicks[4] = {};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    ASSERT_EQ(SendInput(4, clicks, sizeof(INPUT)), 4u);
    for (int i = 0; i < 50 && events.releases < 2; ++i) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(20);
    }
    EXPECT_EQ(events.releases, 2) << "both clicks reached the window";
    EXPECT_EQ(events.presses, 1) << "the second came as a double click, which a button ignores";
}

TEST_F(Popups, PlacingSetsSizePlaceAndTheTopmostBand) {
    windows.SetWindowPos(events.window, plat::ZOrder::Topmost, 100, 200, 35, 35,
                         plat::swp::kShowWindow);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(windows.WindowRect(events.window), (plat::Rect{100, 200, 135, 235}));
    EXPECT_EQ(windows.ClientRect(events.window), (plat::Rect{0, 0, 35, 35}));
    windows.SetWindowPos(events.window, plat::ZOrder::NoTopmost, 100, 200, 35, 35,
                         plat::swp::kShowWindow);
    EXPECT_FALSE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    windows.MoveWindow(events.window, -20, 5, 47, 47);
    EXPECT_EQ(windows.WindowRect(events.window), (plat::Rect{-20, 5, 27, 52}));
}

TEST_F(Popups, DroppedFilesArriveWholeAndInOrder) {
    std::wstring longName = L"C:\\";
    while (longName.size() < 300) longName += L"とても長いフォルダ\\";
    longName += L"file.txt";
    SendMessageW(
        hwnd, WM_DROPFILES,
        reinterpret_cast<WPARAM>(MakeDrop({L"C:\\My Files\\a.txt", longName, L"D:\\表.doc"})), 0);
    ASSERT_EQ(events.dropped.size(), 3u);
    EXPECT_EQ(events.dropped[0], "C:\\My Files\\a.txt");
    EXPECT_EQ(events.dropped[1], win32::Narrow(longName));
    EXPECT_EQ(events.dropped[2], "D:\\表.doc");
}

// A button ends only through its menu's Delete. The window system ends a window whose object
// agrees to a close request; a real button agrees to none, however the request comes.
TEST_F(Popups, EscapeAndCloseLeaveAButtonOpen) {
    events.agreesToClose = true;
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd)) << "a window whose object agrees is ended";
    hwnd = nullptr;

    RealProgram program;
    HWND button = program.AddButton("C:\\WINDOWS\\NOTEPAD.EXE");
    SendMessageW(button, WM_CLOSE, 0, 0);
    SendMessageW(button, WM_SYSCOMMAND, SC_CLOSE, 0);  // Alt+F4 and the task list's End
    SendMessageW(button, WM_COMMAND, IDCANCEL, 0);
    SendMessageW(button, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageW(button, WM_KEYUP, VK_ESCAPE, 0);
    program.Pump();
    EXPECT_TRUE(IsWindow(button));
    ASSERT_EQ(program.main.m_buttons.size(), 1u);
    EXPECT_EQ(ToHwnd(program.main.m_buttons[0]->Window()), button) << "still its object's";
}

TEST_F(Popups, TheFaceIsPaintedRaisedOrSunkenAtAnySize) {
    windows.SetWindowPos(events.window, plat::ZOrder::Topmost, 400, 300, 47, 47,
                         plat::swp::kShowWindow);
    UpdateWindow(hwnd);
    graphics.PaintButtonFace(events.window, false, nullptr, 48, plat::kClassicFace, false);
    HDC dc = GetDC(hwnd);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 20, 20), RGB(192, 192, 192));
    graphics.PaintButtonFace(events.window, true, nullptr, 48, plat::kClassicFace, false);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 20, 20), RGB(192, 192, 192));
    ReleaseDC(hwnd, dc);
}

TEST_F(Popups, TheTipIsOneToolFromThePointersFirstVisitWhoseTextIsReplaced) {
    windows.SetToolTip(events.window, "EDIT.EXE");
    windows.SetToolTip(events.window, "エディタ");
    // Nothing is registered until the pointer comes over the window.
    EXPECT_EQ(GetPropW(hwnd, L"BrisaltoToolTip"), nullptr);
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    HWND tip = static_cast<HWND>(GetPropW(hwnd, L"BrisaltoToolTip"));
    ASSERT_NE(tip, nullptr);
    const LRESULT tools = SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0);
    EXPECT_TRUE(GetWindowLongPtrW(tip, GWL_STYLE) & TTS_ALWAYSTIP);
    const auto textOfTool = [&] {
        wchar_t text[80] = {};
        TTTOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.hwnd = hwnd;
        ti.uId = reinterpret_cast<UINT_PTR>(hwnd);
        ti.lpszText = text;
        SendMessageW(tip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&ti));
        return std::wstring(text);
    };
    EXPECT_EQ(textOfTool(), L"エディタ");
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
    windows.SetToolTip(events.window, "EDIT.EXE");
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), tools) << "still one tool";
    EXPECT_EQ(textOfTool(), L"EDIT.EXE");
    // The window's tool goes with the window.
    DestroyWindow(hwnd);
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), tools - 1);
    hwnd = nullptr;
}

// While the pointer rests on a tool, the tip control looks ten times a second whether it has
// left. Once the tip has had its time and the pointer stays, nothing of the program may run
// until the pointer moves again: then the tip comes back as before.
TEST_F(Popups, OnceItsTipHasHadItsTimeAButtonUnderAStillPointerCostsNoTimer) {
    windows.SetToolTip(events.window, "EDIT.EXE");
    windows.SetWindowPos(events.window, plat::ZOrder::Topmost, 300, 300, 35, 35,
                         plat::swp::kShowWindow);
    SetCursorPos(317, 317);
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(17, 17));
    HWND tip = static_cast<HWND>(GetPropW(hwnd, L"BrisaltoToolTip"));
    ASSERT_NE(tip, nullptr);
    SendMessageW(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 20);
    SendMessageW(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, 300);
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(17, 17));
    // Counts the timer messages the thread dispatches while it waits.
    const auto pump = [](int milliseconds, const auto& done) {
        int timers = 0;
        for (int waited = 0; waited < milliseconds && !done(); waited += 10) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_TIMER) ++timers;
                DispatchMessageW(&msg);
            }
            Sleep(10);
        }
        return timers;
    };
    pump(3000, [&] { return IsWindowVisible(tip) != FALSE; });
    ASSERT_TRUE(IsWindowVisible(tip)) << "the tip shows while the pointer rests";
    pump(3000, [&] { return !IsWindow(tip); });
    EXPECT_FALSE(IsWindow(tip)) << "the control goes once its tip has come down";
    EXPECT_EQ(pump(600, [] { return false; }), 0) << "no timer while the pointer stays";
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(18, 18));
    tip = static_cast<HWND>(GetPropW(hwnd, L"BrisaltoToolTip"));
    ASSERT_NE(tip, nullptr) << "a move of the pointer brings the tip control back";
    SendMessageW(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 20);
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(17, 17));
    pump(3000, [&] { return IsWindowVisible(tip) != FALSE; });
    EXPECT_TRUE(IsWindowVisible(tip)) << "and with it the tip";
}

// Thirty files dropped on a real button: the program asks once, in a Yes/No box of its own,
// before it starts a program thirty times; No starts none.
TEST(FloodedDrop, AsksOnceBeforeThirtyStartsAndNoStartsNothing) {
    RealProgram program;
    HWND button = program.AddButton(win32::Narrow(real::SystemDir()) + "nothere-brisalto.exe");
    std::vector<std::wstring> files;
    for (int i = 0; i < 30; ++i) files.push_back(L"C:\\drop\\file" + std::to_wstring(i) + L".txt");

    std::atomic<bool> stop{false};
    std::vector<std::wstring> texts;
    bool yesNo = false;
    // Answers No to every box of ours, so that a wrong start cannot leave one waiting.
    std::thread answer([&] {
        while (!stop) {
            HWND box = FindWindowW(L"#32770", L"Vopdrant");
            if (box != nullptr && IsWindowVisible(box)) {
                if (texts.empty()) {
                    Sleep(300);  // drawn
                    e2e::Screenshot("drop-question");
                    yesNo = GetDlgItem(box, IDYES) != nullptr && GetDlgItem(box, IDNO) != nullptr;
                }
                texts.push_back(e2e::MessageBoxText(box));
                SendMessageW(box, WM_COMMAND, GetDlgItem(box, IDNO) != nullptr ? IDNO : IDOK, 0);
                while (IsWindow(box)) Sleep(20);
            }
            Sleep(50);
        }
    });
    PostMessageW(button, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(files)), 0);
    program.Pump();
    Sleep(200);
    stop = true;
    answer.join();
    // Had anything started, the missing program would have said so in a second box.
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(win32::Narrow(texts[0]),
              "ﾄﾞﾛｯﾌﾟされた 30 個のﾌｧｲﾙを 1 個ずつ起動します。よろしいですか？");
    EXPECT_TRUE(yesNo);
}

}  // namespace
