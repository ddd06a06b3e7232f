// The end of the session asked for and then called off, as when another program refuses to end:
// the program goes on as it was, with its tray icon and its clock.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "tests/e2e/Driver.h"

namespace {

using namespace std::chrono_literals;
using e2e::Process;

TEST(SessionEnd, CalledOffLeavesTheTrayIconAndTheClockAndTheNextExitKeepsTheClock) {
    e2e::StoreButtons({{L"C:\\windows\\notepad.exe", L"0,0,200,150,0,0"}});
    e2e::PutInt(L"Watch", L"Show", 1);
    e2e::PutString(L"Watch", L"Positon", L"300,200,420,250");
    Process program;
    ASSERT_TRUE(program.Start());
    HWND main = nullptr;
    HWND clock = nullptr;
    POINT icon{};
    ASSERT_TRUE(e2e::WaitUntil([&] {
        main = e2e::FindWindowOf(program.Id(), nullptr, L"Brisalt");
        clock = e2e::FindWindowOf(program.Id(), L"BrisaltoClock", nullptr);
        return main != nullptr && clock != nullptr && e2e::TrayIconPoint(icon);
    }));

    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000, &answer));
    EXPECT_EQ(answer, 1u) << "the program lets the session end";
    ASSERT_TRUE(SendMessageTimeoutW(main, WM_ENDSESSION, FALSE, 0, SMTO_NORMAL, 10000, &answer));
    std::this_thread::sleep_for(1s);

    EXPECT_TRUE(program.Running());
    EXPECT_TRUE(IsWindow(clock) && IsWindowVisible(clock)) << "the clock is gone";
    ASSERT_TRUE(e2e::TrayIconPoint(icon)) << "the tray icon is gone";
    // Still of use: its menu opens.
    HWND menu = e2e::OpenTrayMenu(icon);
    EXPECT_NE(menu, nullptr) << "the tray menu does not open";
    e2e::Screenshot("session-end-called-off");
    if (menu != nullptr) {
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        e2e::WaitUntil([] { return e2e::WaitForMenu(100ms) == nullptr; }, 5s);
    }
    EXPECT_EQ(e2e::StoredInt(L"Watch", L"Show"), std::optional<DWORD>(1));

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(e2e::StoredInt(L"Watch", L"Show"), std::optional<DWORD>(1))
        << "the next start would not show the clock";
}

TEST(SessionEnd, ThatDoesEndEndsTheProgramWithEverythingStored) {
    e2e::StoreButtons({{L"C:\\windows\\notepad.exe", L"0,0,200,150,0,0"}});
    Process program;
    ASSERT_TRUE(program.Start());
    HWND main = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        main = e2e::FindWindowOf(program.Id(), nullptr, L"Brisalt");
        return main != nullptr && e2e::ButtonWindows(program.Id()).size() == 1;
    }));
    HWND button = e2e::ButtonWindows(program.Id()).front();
    SetWindowPos(button, nullptr, 240, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_NORMAL,
                                    10000, &answer));
    EXPECT_EQ(answer, 1u);
    SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP, SMTO_NORMAL, 10000,
                        &answer);
    EXPECT_EQ(program.WaitForExit(10s), std::optional<DWORD>(0));
    const auto data = e2e::StoredString(L"Btn1", L"Data");
    ASSERT_TRUE(data);
    EXPECT_EQ(data->rfind(L"0,0,240,160,", 0), 0u) << *data;
}

}  // namespace
