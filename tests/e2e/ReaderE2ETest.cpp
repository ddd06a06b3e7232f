#include <windows.h>
#include <oleacc.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
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

using e2e::AccessibleSelf;

std::string Ask(IAccessible& object, e2e::AccessibleText get) {
    return e2e::AskAccessible(object, get);
}

// Asked from another process, as a screen reader asks: the window's text, where a reader does not
// ask the object, and the object each button hands over.
TEST(ScreenReader, ButtonsAreNamedAfterTheirEntriesAndTheClockByItsTime) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::wstring artifacts = e2e::WindowsPath(e2e::Variable(L"BRISALTO_ARTIFACTS"));
    CreateDirectoryW(artifacts.c_str(), nullptr);
    const std::wstring record = artifacts + L"\\reader-record.txt";
    DeleteFileW(record.c_str());
    SetEnvironmentVariableW(L"BRISALTO_RECORD", record.c_str());
    const std::wstring recorder = e2e::WindowsPath(e2e::Variable(L"BRISALTO_RECORDER"));
    e2e::ClearStore();
    e2e::PutInt(L"Button", L"Num", 2);
    e2e::PutString(L"Btn1", L"AppName", L"C:\\windows\\notepad.exe");
    e2e::PutString(L"Btn1", L"Title", L"メモ帳");
    e2e::PutString(L"Btn1", L"Data", L"0,0,100,100,0,0");
    e2e::PutString(L"Btn2", L"AppName", recorder);
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
    EXPECT_EQ(Text(buttons[1]), "recorder.exe");
    const std::string time = Text(clock);
    EXPECT_TRUE(std::regex_match(time, std::regex(R"(\d\d/\d\d \d\d:\d\d)"))) << time;

    IAccessible* object = nullptr;
    const HRESULT hr =
        AccessibleObjectFromWindow(buttons[1], static_cast<DWORD>(OBJID_CLIENT),
                                   __uuidof(IAccessible), reinterpret_cast<void**>(&object));
    std::printf("AccessibleObjectFromWindow from another process: 0x%08lx\n",
                static_cast<unsigned long>(hr));
    if (object != nullptr) {
        EXPECT_EQ(Ask(*object, &IAccessible::get_accName), "recorder.exe");
        EXPECT_EQ(win32::Widen(Ask(*object, &IAccessible::get_accDescription)), recorder);
        EXPECT_EQ(Ask(*object, &IAccessible::get_accDefaultAction), "起動");
        VARIANT role;
        VariantInit(&role);
        EXPECT_EQ(object->get_accRole(AccessibleSelf(), &role), S_OK);
        EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON);
        // The reader's "press": the entry starts.
        EXPECT_EQ(object->accDoDefaultAction(AccessibleSelf()), S_OK);
        EXPECT_TRUE(e2e::WaitUntil([&] {
            return GetFileAttributesW(record.c_str()) != INVALID_FILE_ATTRIBUTES;
        })) << "the entry did not start";
        object->Release();
    }
    EXPECT_EQ(hr, S_OK) << "no object of the program's own reached this process";
    SetEnvironmentVariableW(L"BRISALTO_RECORD", nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    program.WaitForExit(10s);
    CoUninitialize();
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
    std::this_thread::sleep_for(300ms);  // drawn
    std::printf("screenshot: %s\n",
                e2e::Screenshot(std::string("tray-key-menu-") + GetParam().name).c_str());
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(menu); }, 5s));
    EXPECT_TRUE(program.Running());
}

INSTANTIATE_TEST_SUITE_P(Keys, TrayKeys,
                         testing::Values(Key{"EnterOrSpace", NIN_KEYSELECT},
                                         Key{"ShiftF10", WM_CONTEXTMENU}),
                         [](const auto& info) { return std::string(info.param.name); });

// The icon asks for the shell's newer words, which carry the mouse in another layout and add a
// context-menu event after a right click: the mouse must do what it did.
class OneButton : public testing::Test {
  protected:
    void SetUp() override {
        e2e::ClearStore();
        e2e::PutInt(L"Button", L"Num", 1);
        e2e::PutString(L"Btn1", L"AppName", L"C:\\windows\\notepad.exe");
        e2e::PutString(L"Btn1", L"Data", L"0,0,100,100,0,0");
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(e2e::WaitUntil([&] {
            main = e2e::FindWindowOf(program.Id(), nullptr, L"Brisalt");
            return main != nullptr && e2e::ButtonWindows(program.Id()).size() == 1;
        }));
        button = e2e::ButtonWindows(program.Id())[0];
        ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TrayIconPoint(icon); })) << "no tray icon";
    }
    void TearDown() override {
        if (program.Running()) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            program.WaitForExit(10s);
        }
    }
    e2e::Process program;
    HWND main = nullptr;
    HWND button = nullptr;
    POINT icon{};
};

TEST_F(OneButton, ADoubleClickOnTheTrayIconHidesItAndAnotherShowsItAgain) {
    auto doubleClick = [&] {
        e2e::RunUnix({"/usr/bin/xdotool", "mousemove", std::to_string(icon.x),
                      std::to_string(icon.y), "click", "--repeat", "2", "--delay", "80", "1"});
    };
    doubleClick();
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(button); }, 5s)) << "not hidden";
    std::this_thread::sleep_for(600ms);  // not one double click of four
    doubleClick();
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(button) != FALSE; }, 5s))
        << "not shown again";
    EXPECT_EQ(e2e::WaitForMenu(300ms), nullptr) << "a left click opened the menu";
}

// A reader in another process listens for the focus; a button's menu gives the button the focus
// when it closes.
TEST_F(OneButton, AReaderElsewhereHearsItGetTheFocus) {
    static std::vector<HWND> focused;
    focused.clear();
    HWINEVENTHOOK hook = SetWinEventHook(
        EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr,
        [](HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
            if (object == OBJID_CLIENT && child == CHILDID_SELF) focused.push_back(hwnd);
        },
        program.Id(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    RECT r{};
    GetWindowRect(button, &r);
    e2e::Click((r.left + r.right) / 2, (r.top + r.bottom) / 2, 3);
    HWND menu = e2e::WaitForMenu();
    ASSERT_NE(menu, nullptr) << "no button menu";
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    const bool heard = e2e::WaitUntil(
        [&] {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            return std::find(focused.begin(), focused.end(), button) != focused.end();
        },
        5s);
    UnhookWinEvent(hook);
    EXPECT_TRUE(heard) << "no focus event for the button";
}

TEST_F(OneButton, ARightClickOnTheTrayIconOpensOneMenu) {
    HWND menu = e2e::OpenTrayMenu(icon);
    ASSERT_NE(menu, nullptr);
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(menu); }, 5s));
    // The shell's context-menu event after the release is the same click.
    EXPECT_EQ(e2e::WaitForMenu(1500ms), nullptr) << "a second menu opened";
}

}  // namespace
