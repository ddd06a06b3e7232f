// What the user sees at the screen's scale: buttons, the clock and the dialogs, photographed
// under the screen's DPI in the name. scripts/test.sh runs this once more in Wine prefixes set to
// 144 and 192 dpi.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <thread>

#include "platform/Dpi.h"
#include "tests/e2e/Driver.h"

namespace {

using namespace std::chrono_literals;

std::wstring RecorderPath() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"recorder.exe";
}

class HighDpi : public testing::Test {
  protected:
    void SetUp() override {
        dpi = e2e::ScreenDpi();
        e2e::StoreButtons({{L"C:\\windows\\notepad.exe", L"0,0,300,300,0,0"},
                           {RecorderPath(), L"0,1,420,300,0,0"},
                           {L"C:\\windows\\regedit.exe", L"0,0,540,300,0,0"}});
        e2e::PutInt(L"Btn2", L"Size", 60);
        e2e::PutInt(L"Watch", L"Show", 1);
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(e2e::WaitUntil([&] {
            main = e2e::FindWindowOf(program.Id(), nullptr, L"Brisalt");
            clock = e2e::FindWindowOf(program.Id(), L"BrisaltoClock", nullptr);
            return main != nullptr && clock != nullptr &&
                   e2e::ButtonWindows(program.Id()).size() == 3;
        }));
        ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TrayIconPoint(icon); }));
    }
    void TearDown() override {
        if (program.Running()) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            program.WaitForExit(10s);
        }
    }
    std::string Shot(const std::string& what) {
        std::this_thread::sleep_for(500ms);
        const std::string path = e2e::Screenshot("dpi" + std::to_string(dpi) + "-" + what);
        std::printf("screenshot: %s\n", path.c_str());
        return path;
    }
    HWND WaitForDialog(const wchar_t* caption) { return e2e::WaitForDialog(program.Id(), caption); }
    void Close(HWND dialog) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        e2e::WaitUntil([&] { return !IsWindow(dialog); }, 5s);
    }

    int dpi = 96;
    e2e::Process program;
    HWND main = nullptr;
    HWND clock = nullptr;
    POINT icon{};
};

TEST_F(HighDpi, ButtonsClockAndDialogsAreTheSizeOfTheScreensScale) {
    const std::vector<HWND> buttons = e2e::ButtonWindows(program.Id());
    const int sides[] = {plat::ButtonSide(plat::Dip(36), dpi).value,
                         plat::ButtonSide(plat::Dip(60), dpi).value,
                         plat::ButtonSide(plat::Dip(36), dpi).value};
    for (int i = 0; i < 3; ++i) {
        RECT r{};
        GetWindowRect(buttons[static_cast<std::size_t>(i)], &r);
        EXPECT_EQ(r.right - r.left, sides[i]) << i;
        EXPECT_EQ(r.bottom - r.top, sides[i]) << i;
    }
    RECT c{};
    GetWindowRect(clock, &c);
    EXPECT_EQ(c.right - c.left, plat::ToPx(plat::Dip(100), dpi).value);
    EXPECT_EQ(c.bottom - c.top, plat::ToPx(plat::Dip(50), dpi).value);
    Shot("buttons-clock");

    // The first button's settings, from its own menu.
    RECT first{};
    GetWindowRect(buttons[0], &first);
    e2e::Click((first.left + first.right) / 2, (first.top + first.bottom) / 2, 3);
    HWND menu = e2e::WaitForMenu();
    ASSERT_NE(menu, nullptr);
    e2e::ChooseByMnemonic(menu, 's');
    HWND settings = WaitForDialog(L"設定");
    ASSERT_NE(settings, nullptr);
    Shot("settings-dialog");
    Close(settings);

    // The clock's settings, by a double click on it.
    const int cx = (c.left + c.right) / 2, cy = (c.top + c.bottom) / 2;
    e2e::RunUnix({"/usr/bin/xdotool", "mousemove", std::to_string(cx), std::to_string(cy), "click",
                  "--repeat", "2", "--delay", "80", "1"});
    HWND watch = WaitForDialog(L"時計の設定");
    ASSERT_NE(watch, nullptr);
    Shot("clock-dialog");
    Close(watch);

    // The order dialog, from the tray menu.
    HWND tray = e2e::OpenTrayMenu(icon);
    ASSERT_NE(tray, nullptr);
    e2e::ChooseByMnemonic(tray, 'a');
    std::this_thread::sleep_for(150ms);
    e2e::ChooseByMnemonic(tray, 'o');
    HWND order = WaitForDialog(L"整列の順序");
    ASSERT_NE(order, nullptr);
    HWND list = GetDlgItem(order, 1023);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), plat::ToPx(plat::Dip(20), dpi).value);
    Shot("order-dialog");
    Close(order);
}

}  // namespace
