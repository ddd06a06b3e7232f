// Two real monitors side by side, 0-1024 and 1024-2048 (an X server with two heads, Wine without
// a virtual desktop; scripts/test.sh sets it up and runs these alone, label "monitors").
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/Resource.h"
#include "tests/e2e/Driver.h"

namespace {

using namespace std::chrono_literals;
using e2e::Cover;
using e2e::Process;

constexpr RECT kFirst{0, 0, 1024, 768};
constexpr RECT kSecond{1024, 0, 2048, 768};

bool Topmost(HWND w) { return (GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

RECT RectOf(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

bool Within(const RECT& r, const RECT& monitor) {
    return r.left >= monitor.left && r.top >= monitor.top && r.right <= monitor.right &&
           r.bottom <= monitor.bottom;
}

std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

bool SecondMonitor(bool on) {
    if (on) {
        e2e::RunUnix({"/usr/bin/xrandr", "--output", "DUMMY1", "--mode", "1024x768", "--right-of",
                      "DUMMY0"});
    } else {
        e2e::RunUnix({"/usr/bin/xrandr", "--output", "DUMMY1", "--off"});
    }
    return e2e::WaitUntil([&] { return GetSystemMetrics(SM_CMONITORS) == (on ? 2 : 1); }, 10s);
}

class TwoMonitors : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SecondMonitor(true))
            << "Wine sees " << GetSystemMetrics(SM_CMONITORS)
            << " monitors: this tier needs the two-headed X server of scripts/test.sh";
        const RECT virtualScreen{
            GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
            GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
        ASSERT_EQ(Text(virtualScreen), "0,0-2048,768");
    }
    void TearDown() override {
        if (program.Running()) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            program.WaitForExit(10s);
        }
        SecondMonitor(true);
    }
    void Start(std::size_t buttons, bool clock) {
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(e2e::WaitUntil([&] {
            main = e2e::FindWindowOf(program.Id(), nullptr, L"Brisalt");
            watch = clock ? e2e::FindWindowOf(program.Id(), L"BrisaltoClock", nullptr) : nullptr;
            return main != nullptr && (!clock || watch != nullptr) &&
                   e2e::ButtonWindows(program.Id()).size() == buttons;
        })) << "the program's windows did not appear";
    }
    // Every button window of the program, shown or not, by store order of their first places.
    std::vector<HWND> AllButtons() {
        std::vector<HWND> found;
        HWND w = nullptr;
        while ((w = FindWindowExW(nullptr, w, L"BrisaltoButton", nullptr)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == program.Id()) found.push_back(w);
        }
        return found;
    }
    HWND ButtonAt(int x, int y) {
        for (HWND w : AllButtons()) {
            const RECT r = RectOf(w);
            if (r.left == x && r.top == y) return w;
        }
        return nullptr;
    }
    void Command(int id) { PostMessageW(main, WM_COMMAND, id, 0); }

    Process program;
    HWND main = nullptr;
    HWND watch = nullptr;
};

TEST_F(TwoMonitors, ButtonsStandOnTheSecondAndEveryArrangementKeepsToTheFirstButtonsMonitor) {
    e2e::StoreButtons({{L"C:\\windows\\notepad.exe", L"0,0,1950,100,0,0"},
                       {L"C:\\windows\\notepad.exe", L"0,0,100,400,0,0"},
                       {L"C:\\windows\\notepad.exe", L"0,0,200,400,0,0"},
                       {L"C:\\windows\\notepad.exe", L"0,0,300,400,0,0"}});
    Start(4, false);
    const std::vector<HWND> buttons{ButtonAt(1950, 100), ButtonAt(100, 400), ButtonAt(200, 400),
                                    ButtonAt(300, 400)};
    for (HWND b : buttons) ASSERT_NE(b, nullptr) << "a button is not where it was stored";

    // Rows from the first button wrap at the second monitor's right edge, not the primary's.
    Command(ID_ALIGN_TOP);
    EXPECT_TRUE(e2e::WaitUntil([&] { return RectOf(buttons[3]).top == 136; }, 5s));
    // Cells are 36 apart: a third would pass 2048, so the line wraps after two.
    EXPECT_EQ(Text(RectOf(buttons[1])), "1986,100-2021,135");
    EXPECT_EQ(Text(RectOf(buttons[2])), "1950,136-1985,171");
    EXPECT_EQ(Text(RectOf(buttons[3])), "1986,136-2021,171");

    Command(ID_ALIGN_LEFT);
    EXPECT_TRUE(e2e::WaitUntil([&] { return RectOf(buttons[3]).top == 208; }, 5s));
    for (HWND b : buttons) EXPECT_EQ(RectOf(b).left, 1950);

    Command(ID_SPREAD);
    EXPECT_TRUE(e2e::WaitUntil([&] { return RectOf(buttons[0]).top != 100; }, 5s));
    for (HWND b : buttons) EXPECT_TRUE(Within(RectOf(b), kSecond)) << Text(RectOf(b));
    e2e::Screenshot("monitors-spread");
    // What the user sees is what is stored.
    const RECT first = RectOf(buttons[0]);
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit(10s).has_value());
    EXPECT_EQ(e2e::StoredString(L"Btn1", L"Data"),
              L"0,0," + std::to_wstring(first.left) + L"," + std::to_wstring(first.top) + L"," +
                  std::to_wstring(first.right) + L"," + std::to_wstring(first.bottom));
}

TEST_F(TwoMonitors, TheSecondGoingAwayPullsEveryButtonAndTheClockWholeOntoTheFirst) {
    e2e::StoreButtons({{L"C:\\windows\\notepad.exe", L"0,0,1500,100,0,0"},
                       {L"C:\\windows\\notepad.exe", L"0,0,2000,700,0,0"},
                       {L"C:\\windows\\notepad.exe", L"0,0,100,100,0,0"}});
    e2e::PutInt(L"Watch", L"Show", 1);
    e2e::PutString(L"Watch", L"Positon", L"1700,300,180,50");
    Start(3, true);
    ASSERT_TRUE(Within(RectOf(watch), kSecond)) << Text(RectOf(watch));
    const std::vector<HWND> buttons = AllButtons();
    // Hidden from the tray before the monitor goes.
    PostMessageW(main, WM_TRAY_CALLBACK, 0, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::ButtonWindows(program.Id()).empty(); }, 5s));

    ASSERT_TRUE(SecondMonitor(false)) << "Wine still sees the second monitor";
    // Windows tells every top-level window with WM_DISPLAYCHANGE; Wine (8 and 10 alike) does not
    // when an X output goes off from outside: dlls/winex11.drv/xrandr.c,
    // xrandr14_device_change_handler, updates its monitors without the message ("Don't send a
    // WM_DISPLAYCHANGE message here"). The test sends what the system would.
    PostMessageW(main, WM_DISPLAYCHANGE, 32,
                 MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_TRUE(e2e::WaitUntil(
        [&] {
            for (HWND b : buttons) {
                if (!Within(RectOf(b), kFirst)) return false;
            }
            return Within(RectOf(watch), kFirst);
        },
        5s))
        << "the clock stands at " << Text(RectOf(watch));
    for (HWND b : buttons) {
        EXPECT_TRUE(Within(RectOf(b), kFirst)) << Text(RectOf(b));
        EXPECT_FALSE(IsWindowVisible(b)) << "a hidden button came back by itself";
    }
    EXPECT_TRUE(IsWindowVisible(watch));

    PostMessageW(main, WM_TRAY_CALLBACK, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::ButtonWindows(program.Id()).size() == 3; }, 5s));
    e2e::Screenshot("monitors-second-gone");
}

TEST_F(TwoMonitors, AFullScreenWindowOnOneMonitorSendsAsideOnlyThatMonitorsTopmostWindows) {
    e2e::StoreButtons({{L"C:\\windows\\notepad.exe", L"0,0,100,100,0,0"},
                       {L"C:\\windows\\notepad.exe", L"0,0,1500,100,0,0"}});
    e2e::PutInt(L"Btn1", L"Option", 1);
    e2e::PutInt(L"Btn2", L"Option", 1);
    e2e::PutInt(L"Watch", L"Show", 1);
    e2e::PutInt(L"Watch", L"TopMost", 1);
    e2e::PutString(L"Watch", L"Positon", L"300,300,180,50");
    Start(2, true);
    HWND left = ButtonAt(100, 100);
    HWND right = ButtonAt(1500, 100);
    ASSERT_NE(left, nullptr);
    ASSERT_NE(right, nullptr);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Topmost(left) && Topmost(right) && Topmost(watch); }));

    {
        const RECT r = RectOf(watch);
        e2e::Click((r.left + r.right) / 2, (r.top + r.bottom) / 2, 1);
        Cover cover(L"full at=1100");
        ASSERT_NE(cover.Window(), nullptr) << "the covering window did not come to the front";
        EXPECT_EQ(Text(RectOf(cover.Window())), "1024,0-2048,768");
        EXPECT_TRUE(e2e::WaitUntil([&] { return !Topmost(right); }, 2s));
        EXPECT_TRUE(Topmost(left));
        EXPECT_TRUE(Topmost(watch));
        e2e::Screenshot("monitors-fullscreen-second");
        cover.Close();
        EXPECT_TRUE(e2e::WaitUntil([&] { return Topmost(right); }, 2s)) << "not back on top";
    }
    {
        // The user was last at the clock, as before the first.
        const RECT r = RectOf(watch);
        e2e::Click((r.left + r.right) / 2, (r.top + r.bottom) / 2, 1);
        Cover cover(L"full at=10");
        ASSERT_NE(cover.Window(), nullptr);
        EXPECT_TRUE(e2e::WaitUntil([&] { return !Topmost(left) && !Topmost(watch); }, 2s));
        EXPECT_TRUE(Topmost(right));
        cover.Kill();
        EXPECT_TRUE(e2e::WaitUntil([&] { return Topmost(left) && Topmost(watch); }, 2s))
            << "not back on top";
    }
}

}  // namespace
