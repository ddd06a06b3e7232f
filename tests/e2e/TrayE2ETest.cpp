#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <thread>

#include "tests/e2e/Driver.h"
#include "tests/e2e/WithTrayIcon.h"

namespace {

using namespace std::chrono_literals;

constexpr UINT kExit = 57665;

using TrayMenu = e2e::WithTrayIcon;

TEST_F(TrayMenu, ARightClickOpensItAndItsExitItemEndsTheProgram) {
    HWND menu = OpenMenu();
    ASSERT_NE(menu, nullptr) << "no menu after a right click on the tray icon";
    std::this_thread::sleep_for(300ms);
    std::printf("screenshot: %s\n", e2e::Screenshot("tray-menu").c_str());
    e2e::ChooseByMnemonic(menu, 'x');
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(e2e::StoredInt(L"Watch", L"Show"), std::optional<DWORD>(0));
}

TEST_F(TrayMenu, WhileTheAboutBoxIsOpenTheTrayAndExitAreRefused) {
    HWND menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    e2e::ChooseByMnemonic(menu, 'a');
    HWND about = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        return (about = e2e::FindWindowOf(program.Id(), L"#32770", L"Brisalto のﾊﾞｰｼﾞｮﾝ情報")) !=
               nullptr;
    }));
    std::this_thread::sleep_for(300ms);
    std::printf("screenshot: %s\n", e2e::Screenshot("about-box").c_str());

    e2e::Click(icon.x, icon.y, 3);
    EXPECT_EQ(e2e::WaitForMenu(1500ms), nullptr) << "a menu opened while the about box was open";

    // The exit command (as the menu would send it) answers with its message and ends nothing.
    PostMessageW(main, WM_COMMAND, kExit, 0);
    HWND box = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        HWND w = nullptr;
        while ((w = FindWindowExW(nullptr, w, L"#32770", L"Vopdrant")) != nullptr) {
            if (e2e::MessageBoxText(w).find(L"作業中のﾀﾞｲｱﾛｸﾞを閉じて下さい。") == 0) {
                box = w;
                return true;
            }
        }
        return false;
    }));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(program.Running());
    EXPECT_EQ(e2e::StoredInt(L"Watch", L"Show"), std::nullopt);

    PostMessageW(about, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(about); }));
    HWND again = OpenMenu();
    ASSERT_NE(again, nullptr) << "the menu did not come back after the about box closed";
    e2e::ChooseByMnemonic(again, 'x');
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(TrayMenu, TheIconComesBackWhenTheShellRestartsItsNotificationArea) {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = main;
    nid.uID = 138;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &nid));
    // Asked of the shell itself: Wine 8's taskbar hides with its last icon, Wine 10's stays.
    ASSERT_TRUE(e2e::WaitUntil([&] { return !e2e::TrayIconKnown(main, 138); }, 5s))
        << "the icon was not removed";
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TrayIconKnown(main, 138); }, 10s))
        << "the icon did not come back";
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TrayIconPoint(icon); }, 10s))
        << "the taskbar did not come back";
    HWND menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    e2e::ChooseByMnemonic(menu, 'x');
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
