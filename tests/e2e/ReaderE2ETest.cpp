#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <regex>
#include <thread>

#include "platform/win32/Utf.h"
#include "tests/e2e/Driver.h"
#include "tests/e2e/WithTrayIcon.h"

namespace {

using namespace std::chrono_literals;

std::string Text(HWND w) {
    wchar_t text[256] = {};
    GetWindowTextW(w, text, 256);
    return win32::Narrow(text);
}

// Where a screen reader does not ask the program's own object, it reads the window's text: asked
// here from another process, as a reader does.
TEST(ScreenReader, ButtonsAreNamedAfterTheirEntriesAndTheClockByItsTime) {
    e2e::ClearStore();
    e2e::PutInt(L"Button", L"Num", 2);
    e2e::PutString(L"Btn1", L"AppName", L"C:\\windows\\notepad.exe");
    e2e::PutString(L"Btn1", L"Title", L"メモ帳");
    e2e::PutString(L"Btn1", L"Data", L"0,0,100,100,0,0");
    e2e::PutString(L"Btn2", L"AppName", L"C:\\windows\\regedit.exe");
    e2e::PutString(L"Btn2", L"Data", L"0,0,200,100,0,0");
    e2e::PutInt(L"Watch", L"Show", 1);
    e2e::Process program;
    ASSERT_TRUE(program.Start());
    HWND main = nullptr;
    HWND clock = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        main = e2e::FindWindowOf(program.Id(), nullptr, L"Brisalt");
        clock = e2e::FindWindowOf(program.Id(), L"BrisaltoClock", nullptr);
        return main != nullptr && clock != nullptr && e2e::ButtonWindows(program.Id()).size() == 2;
    }));
    const auto buttons = e2e::ButtonWindows(program.Id());
    EXPECT_EQ(Text(buttons[0]), "メモ帳");
    EXPECT_EQ(Text(buttons[1]), "regedit.exe");
    const std::string time = Text(clock);
    EXPECT_TRUE(std::regex_match(time, std::regex(R"(\d\d/\d\d \d\d:\d\d)"))) << time;
    PostMessageW(main, WM_CLOSE, 0, 0);
    program.WaitForExit(10s);
}

struct Key {
    const char* name;
    UINT event;
};
class TrayKeys : public e2e::WithTrayIcon, public testing::WithParamInterface<Key> {};

// Wine's notification area takes no keys (its icons are windows that hear only the mouse), so
// the shell's word for a key is sent here as the shell sends it to an icon of this version: the
// event with the icon's id, and the icon's place.
TEST_P(TrayKeys, OpenTheMenuAtTheIcon) {
    constexpr UINT kTrayCallback = 32868;
    PostMessageW(main, kTrayCallback, MAKEWPARAM(icon.x, icon.y),
                 MAKELPARAM(GetParam().event, 138));
    HWND menu = e2e::WaitForMenu();
    ASSERT_NE(menu, nullptr) << "no menu";
    RECT r{};
    GetWindowRect(menu, &r);
    // Beside the icon, wherever the pointer is; kept on the screen by the system.
    EXPECT_LT(std::abs(r.left - icon.x) + std::abs(r.bottom - icon.y), 60 + (r.bottom - r.top))
        << r.left << "," << r.top << " for an icon at " << icon.x << "," << icon.y;
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(menu); }, 5s));
    EXPECT_TRUE(program.Running());
}

INSTANTIATE_TEST_SUITE_P(Keys, TrayKeys,
                         testing::Values(Key{"EnterOrSpace", NIN_KEYSELECT},
                                         Key{"ShiftF10", WM_CONTEXTMENU}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
