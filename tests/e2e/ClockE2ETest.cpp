#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "tests/e2e/Driver.h"

namespace {

using namespace std::chrono_literals;
using e2e::Process;

constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kPurple = RGB(64, 0, 64);

// Pixels of one colour inside a screen rectangle.
int CountPixels(RECT r, COLORREF colour) {
    HDC screen = GetDC(nullptr);
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            if (GetPixel(screen, x, y) == colour) ++n;
        }
    }
    ReleaseDC(nullptr, screen);
    return n;
}

RECT WindowRectOf(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// A press, a move in small steps (the platform's move loop follows the pointer) and a release.
void Drag(POINT from, POINT to) {
    std::vector<std::string> args = {"/usr/bin/xdotool",
                                     "mousemove",
                                     std::to_string(from.x),
                                     std::to_string(from.y),
                                     "mousedown",
                                     "1",
                                     "sleep",
                                     "0.3"};
    for (int step = 1; step <= 10; ++step) {
        args.insert(args.end(),
                    {"mousemove", std::to_string(from.x + (to.x - from.x) * step / 10),
                     std::to_string(from.y + (to.y - from.y) * step / 10), "sleep", "0.05"});
    }
    args.insert(args.end(), {"sleep", "0.3", "mouseup", "1"});
    e2e::RunUnix(args);
}

class Clock : public testing::Test {
  protected:
    void SetUp() override {
        e2e::ClearStore();
        Start();
    }
    void TearDown() override {
        if (program.Running()) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            program.WaitForExit(10s);
        }
    }
    void Start() {
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(e2e::WaitUntil([&] {
            return (main = e2e::FindWindowOf(program.Id(), nullptr, L"Brisalt")) != nullptr;
        }));
        ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TrayIconPoint(icon); })) << "no tray icon";
    }
    HWND FindClock() { return e2e::FindWindowOf(program.Id(), L"BrisaltoClock", nullptr); }
    HWND WaitForClock() {
        HWND clock = nullptr;
        e2e::WaitUntil([&] { return (clock = FindClock()) != nullptr && IsWindowVisible(clock); });
        return clock;
    }
    // The clock item of the tray menu.
    void ChooseClock() {
        HWND menu = e2e::OpenTrayMenu(icon);
        ASSERT_NE(menu, nullptr) << "no tray menu";
        e2e::ChooseByMnemonic(menu, 'w');
    }
    HWND SwitchOn() {
        ChooseClock();
        return WaitForClock();
    }

    Process program;
    HWND main = nullptr;
    POINT icon{};
};

TEST_F(Clock, WithAnEmptyStoreItOpensGreyWithPurpleTextOnTopAtTenTen) {
    HWND clock = SwitchOn();
    ASSERT_NE(clock, nullptr) << "no clock after its menu item";
    const RECT r = WindowRectOf(clock);
    EXPECT_EQ(Text(r), "10,10,110,60");
    EXPECT_TRUE(GetWindowLongPtrW(clock, GWL_EXSTYLE) & WS_EX_TOPMOST);
    std::this_thread::sleep_for(1500ms);
    std::printf("screenshot: %s\n", e2e::Screenshot("clock").c_str());
    const RECT inside{r.left + 4, r.top + 4, r.right - 4, r.bottom - 4};
    EXPECT_GT(CountPixels(inside, kGrey), 92 * 42 / 2) << "not grey inside";
    EXPECT_GT(CountPixels(inside, kPurple), 20) << "no purple text";
}

TEST_F(Clock, ADragInsideMovesItAndOnTheEdgeSizesItAndItComesBackSo) {
    HWND clock = SwitchOn();
    ASSERT_NE(clock, nullptr);
    Drag({60, 35}, {260, 235});
    ASSERT_TRUE(e2e::WaitUntil([&] { return Text(WindowRectOf(clock)) == "210,210,310,260"; }, 5s))
        << "after the move: " << Text(WindowRectOf(clock));
    Drag({308, 258}, {348, 288});
    ASSERT_TRUE(e2e::WaitUntil([&] { return Text(WindowRectOf(clock)) == "210,210,350,290"; }, 5s))
        << "after the resize: " << Text(WindowRectOf(clock));
    std::this_thread::sleep_for(1200ms);
    std::printf("screenshot: %s\n", e2e::Screenshot("clock-moved").c_str());

    ChooseClock();
    ASSERT_TRUE(e2e::WaitUntil([&] { return FindClock() == nullptr; })) << "still open";
    EXPECT_EQ(e2e::StoredString(L"Watch", L"Positon"),
              std::optional<std::wstring>(L"210,210,350,290"));
    clock = SwitchOn();
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(Text(WindowRectOf(clock)), "210,210,350,290");
}

TEST_F(Clock, AnExitWithItOnWritesShowAndTheNextStartOpensIt) {
    ASSERT_NE(SwitchOn(), nullptr);
    HWND menu = e2e::OpenTrayMenu(icon);
    ASSERT_NE(menu, nullptr);
    e2e::ChooseByMnemonic(menu, 'x');
    ASSERT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(e2e::StoredInt(L"Watch", L"Show"), std::optional<DWORD>(1));
    EXPECT_EQ(e2e::StoredString(L"Watch", L"Positon"),
              std::optional<std::wstring>(L"10,10,110,60"));
    EXPECT_EQ(e2e::StoredString(L"Watch", L"BkColor"), std::optional<std::wstring>(L"12632256"));

    Process again;
    ASSERT_TRUE(again.Start());
    HWND clock = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        return (clock = e2e::FindWindowOf(again.Id(), L"BrisaltoClock", nullptr)) != nullptr;
    })) << "the clock did not come back at the next start";
    EXPECT_EQ(Text(WindowRectOf(clock)), "10,10,110,60");
    HWND second = e2e::FindWindowOf(again.Id(), nullptr, L"Brisalt");
    PostMessageW(second, WM_CLOSE, 0, 0);
    EXPECT_EQ(again.WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(Clock, AltF4LeavesItOpen) {
    HWND clock = SwitchOn();
    ASSERT_NE(clock, nullptr);
    e2e::Click(60, 35, 1);
    ASSERT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == clock; }, 5s))
        << "the clock did not become active";
    e2e::RunUnix({"/usr/bin/xdotool", "key", "alt+F4"});
    std::this_thread::sleep_for(1s);
    EXPECT_TRUE(IsWindow(clock));
    EXPECT_TRUE(IsWindowVisible(clock));
    EXPECT_TRUE(program.Running());
}

TEST_F(Clock, ADoubleClickOpensItsSettingsWithTheSampleAndOkAppliesTheCheckBox) {
    HWND clock = SwitchOn();
    ASSERT_NE(clock, nullptr);
    e2e::RunUnix({"/usr/bin/xdotool", "mousemove", "60", "35", "click", "--repeat", "2", "--delay",
                  "120", "1"});
    HWND dialog = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        return (dialog = e2e::FindWindowOf(program.Id(), L"#32770", L"時計の設定")) != nullptr;
    })) << "no settings dialog after a double-click";
    e2e::RunUnix({"/usr/bin/xdotool", "mousemove", "600", "700"});
    std::this_thread::sleep_for(800ms);
    std::printf("screenshot: %s\n", e2e::Screenshot("clock-settings").c_str());
    EXPECT_EQ(IsDlgButtonChecked(dialog, 1030), static_cast<UINT>(BST_CHECKED));

    // The sample is drawn where the hidden control 1031 was put: grey with purple figures.
    RECT preview = WindowRectOf(GetDlgItem(dialog, 1031));
    EXPECT_GE(preview.bottom - preview.top, 20);
    EXPECT_LE(preview.bottom - preview.top, 45);
    EXPECT_GT(CountPixels(preview, kPurple), 10) << "no sample in the preview";
    EXPECT_GT(CountPixels(preview, kGrey), 100);

    const RECT box = WindowRectOf(GetDlgItem(dialog, 1030));
    e2e::Click(box.left + 6, (box.top + box.bottom) / 2, 1);
    ASSERT_TRUE(
        e2e::WaitUntil([&] { return IsDlgButtonChecked(dialog, 1030) == BST_UNCHECKED; }, 5s))
        << "the check box did not take the click";
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(e2e::WaitUntil(
        [&] { return !(GetWindowLongPtrW(clock, GWL_EXSTYLE) & WS_EX_TOPMOST); }, 5s))
        << "still on top after unticking";
    ChooseClock();
    ASSERT_TRUE(e2e::WaitUntil([&] { return FindClock() == nullptr; }));
    EXPECT_EQ(e2e::StoredInt(L"Watch", L"TopMost"), std::optional<DWORD>(0));
}

}  // namespace
