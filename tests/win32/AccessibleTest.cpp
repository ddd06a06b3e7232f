#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "RealFiles.h"
#include "clock/WatchWnd.h"
#include "platform/win32/Accessible.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Utf.h"
#include "platform/win32/Win32Platform.h"
#include "res/Resource.h"
#include "shell/MainWnd.h"
#include "tests/e2e/Driver.h"

namespace {

using win32::Narrow;
using win32::ToHwnd;

using e2e::AccessibleSelf;

std::string Ask(IAccessible& object, e2e::AccessibleText get) {
    return e2e::AskAccessible(object, get);
}

long Number(IAccessible& object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
    VARIANT v;
    VariantInit(&v);
    if (FAILED((object.*get)(AccessibleSelf(), &v)) || v.vt != VT_I4) return -1;
    return v.lVal;
}

std::string WindowText(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return Narrow(text);
}

struct Releaser {
    void operator()(IAccessible* object) const { object->Release(); }
};
using Object = std::unique_ptr<IAccessible, Releaser>;

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

// The program's main window on the real platform; it goes as the program's does.
class Reader : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(main.Create()); }
    void TearDown() override {
        main.OnClose();
        DestroyWindow(ToHwnd(main.Window()));
        Pump();
    }
    HWND AddButton(const std::string& title, const std::string& appName) {
        ButtonInfo info;
        info.size = plat::Dip(36);
        info.at = {240, 240};
        info.title = title;
        info.appName = appName;
        main.CreateButton(info, 0);
        return ToHwnd(main.m_buttons.back()->Window());
    }
    // The object a screen reader gets, asked directly.
    static Object ObjectOf(HWND hwnd) { return Object(win32::NewAccessible(hwnd)); }

    win32::Win32Platform platform;
    CMainWnd main{platform};
};

struct Entry {
    const char* name;
    const char* title;
    const char* appName;
    const char* spoken;
};
class ButtonObject : public Reader, public testing::WithParamInterface<Entry> {};

TEST_P(ButtonObject, IsAPushButtonNamedAfterItsEntryWithItsPathAndAnActionToStartIt) {
    const Entry& e = GetParam();
    HWND button = AddButton(e.title, e.appName);
    const auto object = ObjectOf(button);
    ASSERT_NE(object.get(), nullptr);
    EXPECT_EQ(Ask(*object, &IAccessible::get_accName), e.spoken);
    EXPECT_EQ(Ask(*object, &IAccessible::get_accDescription), e.appName);
    EXPECT_EQ(Ask(*object, &IAccessible::get_accDefaultAction), "起動");
    EXPECT_EQ(Number(*object, &IAccessible::get_accRole), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(WindowText(button), e.spoken) << "the window's own text";

    // Focusable, and focused while it has the focus.
    SetForegroundWindow(button);
    SetFocus(nullptr);
    EXPECT_EQ(Number(*object, &IAccessible::get_accState) &
                  (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED),
              STATE_SYSTEM_FOCUSABLE);
    SetFocus(button);
    ASSERT_EQ(GetFocus(), button);
    EXPECT_EQ(Number(*object, &IAccessible::get_accState) &
                  (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED),
              STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);

    // Where it is comes from the system's own account of the window.
    long left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(object->accLocation(&left, &top, &width, &height, AccessibleSelf()), S_OK);
    RECT r{};
    GetWindowRect(button, &r);
    EXPECT_EQ(left, r.left);
    EXPECT_EQ(top, r.top);
    EXPECT_EQ(width, r.right - r.left);
    IDispatch* parent = nullptr;
    EXPECT_EQ(object->get_accParent(&parent), S_OK);
    if (parent != nullptr) parent->Release();
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ButtonObject,
    testing::Values(Entry{"Titled", "メモ帳", "C:\\windows\\notepad.exe", "メモ帳"},
                    Entry{"Untitled", "", "C:\\windows\\system32\\シェル\\tool.exe", "tool.exe"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Reader, TheDefaultActionStartsTheEntryFromTheWindowsOwnQueue) {
    real::Scratch scratch;
    const std::wstring record = scratch.Path() + L"record.txt";
    SetEnvironmentVariableW(L"BRISALTO_RECORD", record.c_str());
    const std::wstring program = scratch.Copy(real::BuildDir() + L"recorder.exe", L"起動.exe");
    const auto object = ObjectOf(AddButton("", Narrow(program)));
    ASSERT_NE(object.get(), nullptr);
    EXPECT_EQ(object->accDoDefaultAction(AccessibleSelf()), S_OK);
    const bool started = e2e::WaitUntil([&] {
        Pump();
        return std::filesystem::exists(std::filesystem::path(record));
    });
    SetEnvironmentVariableW(L"BRISALTO_RECORD", nullptr);
    EXPECT_TRUE(started) << "the entry did not start";
}

TEST_F(Reader, AnObjectKeptAfterItsButtonWentSaysSoInsteadOfReachingIt) {
    HWND button = AddButton("a", "C:\\a.exe");
    const auto object = ObjectOf(button);
    ASSERT_NE(object.get(), nullptr);
    DestroyWindow(button);
    BSTR name = nullptr;
    EXPECT_EQ(object->get_accName(AccessibleSelf(), &name), RPC_E_DISCONNECTED);
    EXPECT_EQ(object->accDoDefaultAction(AccessibleSelf()), RPC_E_DISCONNECTED);
    // Another window of any kind has no object of ours.
    EXPECT_EQ(win32::NewAccessible(ToHwnd(main.Window())), nullptr);
}

TEST_F(Reader, TheClockIsStaticTextNamedByTheTimeItShows) {
    main.OnCommand(ID_CLOCK);
    ASSERT_NE(main.m_pWatch, nullptr);
    HWND clock = ToHwnd(main.m_pWatch->Window());
    const auto object = ObjectOf(clock);
    ASSERT_NE(object.get(), nullptr);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char expected[32];
    std::snprintf(expected, sizeof expected, "%02d/%02d", now.wMonth, now.wDay);
    const std::string name = Ask(*object, &IAccessible::get_accName);
    EXPECT_EQ(name.substr(0, 5), expected);
    EXPECT_EQ(WindowText(clock), name);
    EXPECT_EQ(Number(*object, &IAccessible::get_accRole), ROLE_SYSTEM_STATICTEXT);
    EXPECT_EQ(Ask(*object, &IAccessible::get_accDefaultAction), "<none>");
    EXPECT_EQ(object->accDoDefaultAction(AccessibleSelf()), DISP_E_MEMBERNOTFOUND);
    main.OnCommand(ID_CLOCK);
}

// What a reader hears without asking: the focus and a new name, as events of the system's.
TEST_F(Reader, TheFocusAndARenameAreAnnounced) {
    static std::vector<std::pair<DWORD, HWND>> heard;
    heard.clear();
    HWINEVENTHOOK hook = SetWinEventHook(
        EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE, nullptr,
        [](HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
            if (object == OBJID_CLIENT && child == CHILDID_SELF) heard.emplace_back(event, hwnd);
        },
        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    HWND button = AddButton("前", "C:\\a.exe");
    SetForegroundWindow(button);
    SetFocus(button);
    ButtonInfo info;
    int option = 0;
    main.m_buttons.back()->GetInfo(info, option);
    info.title = "後";
    main.m_buttons.back()->ApplyInfo(info, option);
    e2e::WaitUntil(
        [&] {
            Pump();
            return heard.size() >= 2;
        },
        std::chrono::seconds(3));
    UnhookWinEvent(hook);
    auto saw = [&](DWORD event) {
        return std::find(heard.begin(), heard.end(), std::pair{event, button}) != heard.end();
    };
    EXPECT_TRUE(saw(EVENT_OBJECT_FOCUS));
    EXPECT_TRUE(saw(EVENT_OBJECT_NAMECHANGE));
    EXPECT_EQ(WindowText(button), "後");
}

// A reader asks the window for its object (WM_GETOBJECT) and gets ours, handed across by the
// system's own marshalling.
TEST_F(Reader, AReaderThatAsksTheWindowGetsTheProgramsOwnObject) {
    HWND button = AddButton("名前", "C:\\a.exe");
    IAccessible* object = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(button, static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), reinterpret_cast<void**>(&object)),
              S_OK);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(Ask(*object, &IAccessible::get_accName), "名前");
    EXPECT_EQ(Ask(*object, &IAccessible::get_accDefaultAction), "起動");
    object->Release();
}

}  // namespace
