// The keyboard on the real program: the hotkey pressed on the X keyboard, the keys on a focused
// button, the focus ring as the screen shows it, and the hotkey dialog. Runs at the screen's DPI:
// the same test under a 192-dpi prefix shoots that ring.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "tests/e2e/Driver.h"

namespace {

using namespace std::chrono_literals;

// The X focus on the Wine desktop's window, as a user's first click would put it: the way keys
// reach Wine at all, hotkeys included. Given once, before anything of ours is in the foreground:
// Wine hears a new X focus as the desktop being activated.
void FocusDesktop() {
    e2e::RunUnix({"/bin/sh", "-c",
                  "w=$(/usr/bin/xdotool search --limit 1 --name 'Default - Wine desktop' || "
                  "/usr/bin/xdotool search --limit 1 --name 'Wine Desktop') && "
                  "/usr/bin/xdotool windowfocus --sync \"$w\""});
}

// Keys on the X keyboard.
void PressKeys(const std::string& keys) {
    e2e::RunUnix({"/usr/bin/xdotool", "key", "--delay", "60", keys});
}

// Three buttons: Notepad, Regedit and the recorder, side by side; then the real program.
class Keys : public testing::Test {
  protected:
    void SetUp() override {
        dpi = e2e::ScreenDpi();
        e2e::ClearStore();
        const std::wstring artifacts = e2e::WindowsPath(e2e::Variable(L"BRISALTO_ARTIFACTS"));
        CreateDirectoryW(artifacts.c_str(), nullptr);
        record = artifacts + L"\\keys-record.txt";
        DeleteFileW(record.c_str());
        SetEnvironmentVariableW(L"BRISALTO_RECORD", record.c_str());
        e2e::StoreButtons(
            {{L"C:\\windows\\notepad.exe", L"0,0,100,100,0,0"},
             {L"C:\\windows\\regedit.exe", L"0,0,200,100,0,0"},
             {e2e::WindowsPath(e2e::Variable(L"BRISALTO_RECORDER")), L"0,0,300,100,0,0"}});
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(e2e::WaitUntil([&] {
            main = e2e::FindWindowOf(program.Id(), nullptr, L"Brisalt");
            return main != nullptr && e2e::ButtonWindows(program.Id()).size() == 3;
        })) << "the three buttons did not appear";
        buttons = e2e::ButtonWindows(program.Id());
        FocusDesktop();
        std::this_thread::sleep_for(300ms);
    }
    void TearDown() override {
        e2e::RunUnix({"/usr/bin/xdotool", "mouseup", "1"});
        if (program.Running()) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            program.WaitForExit(10s);
        }
    }
    bool ForegroundBecomes(HWND window, std::chrono::milliseconds timeout = 10s) {
        return e2e::WaitUntil([&] { return GetForegroundWindow() == window; }, timeout);
    }
    // A press on the button whose release lands elsewhere: the button is used, nothing starts.
    void UseWithoutStarting(HWND button) {
        RECT r{};
        GetWindowRect(button, &r);
        const std::string x = std::to_string((r.left + r.right) / 2);
        const std::string y = std::to_string((r.top + r.bottom) / 2);
        e2e::RunUnix({"/usr/bin/xdotool", "mousemove", x, y, "mousedown", "1", "mousemove", x,
                      "600", "mouseup", "1"});
    }
    std::string Shot(const std::string& what) {
        std::this_thread::sleep_for(400ms);
        const std::string path = e2e::Screenshot("keys-dpi" + std::to_string(dpi) + "-" + what);
        std::printf("screenshot: %s\n", path.c_str());
        return path;
    }

    int dpi = 96;
    e2e::Process program;
    HWND main = nullptr;
    std::vector<HWND> buttons;
    std::wstring record;
};

TEST_F(Keys, TheHotkeyFocusesTheLastUsedButtonAndTheKeysActOnIt) {
    UseWithoutStarting(buttons[1]);
    Shot("used");
    e2e::Cover cover(L"maximised");
    ASSERT_TRUE(cover.Window());
    ASSERT_EQ(GetForegroundWindow(), cover.Window());

    PressKeys("ctrl+alt+b");
    ASSERT_TRUE(ForegroundBecomes(buttons[1])) << "the hotkey did not focus the last-used button";
    // The focused one at once, the others right after it.
    for (HWND button : buttons) {
        RECT b{};
        GetWindowRect(button, &b);
        const POINT middle{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
        EXPECT_TRUE(e2e::WaitUntil([&] { return WindowFromPoint(middle) == button; }, 5s))
            << "every button in front of the maximised window";
    }
    Shot("ring");
    // The ring: a black line one edge in, a white one inside it, at the button's left.
    RECT r{};
    GetWindowRect(buttons[1], &r);
    const int e = MulDiv(1, dpi, 96), middle = (r.top + r.bottom) / 2;
    EXPECT_TRUE(
        e2e::WaitUntil([&] { return e2e::ScreenPixel(r.left + e, middle) == RGB(0, 0, 0); }, 5s));
    EXPECT_EQ(e2e::ScreenPixel(r.left + 2 * e, middle), RGB(255, 255, 255));
    EXPECT_EQ(e2e::ScreenPixel(r.left, middle), RGB(255, 255, 255)) << "the edge stays";

    PressKeys("Right");
    ASSERT_TRUE(ForegroundBecomes(buttons[2])) << "Right did not move the focus";
    EXPECT_TRUE(e2e::WaitUntil(
        [&] { return e2e::ScreenPixel(r.left + e, middle) == RGB(192, 192, 192); }, 5s))
        << "the button left behind shows no ring";

    PressKeys("shift+F10");
    HWND menu = e2e::WaitForMenu();
    ASSERT_NE(menu, nullptr) << "Shift+F10 opened no menu";
    RECT m{}, b{};
    GetWindowRect(menu, &m);
    GetWindowRect(buttons[2], &b);
    EXPECT_LE(std::abs(m.left - b.left), 2 * e);
    EXPECT_LE(std::abs(m.top - b.bottom), 2 * e) << "the menu opens below the button";
    Shot("menu");
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(e2e::WaitUntil([] { return e2e::WaitForMenu(0ms) == nullptr; }, 5s));

    PressKeys("Escape");
    EXPECT_TRUE(ForegroundBecomes(cover.Window())) << "Esc did not give the foreground back";

    PressKeys("ctrl+alt+b");
    ASSERT_TRUE(ForegroundBecomes(buttons[2])) << "the hotkey came back to the last one used";
    PressKeys("Return");
    EXPECT_TRUE(e2e::WaitUntil([&] { return !e2e::ReadFile(record).empty(); }))
        << "Enter did not start the entry";
}

TEST_F(Keys, TheDialogChangesTheKeyAndTheNewKeyWorks) {
    POINT icon{};
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TrayIconPoint(icon); }));
    ASSERT_TRUE(e2e::ChooseFromTrayMenu(icon, "K"));
    HWND dialog = e2e::WaitForDialog(program.Id(), L"ﾎｯﾄｷｰの設定");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ForegroundBecomes(dialog));
    Shot("dialog");
    // The control has the focus and hears the new combination; Enter is OK.
    PressKeys("ctrl+alt+k");
    std::this_thread::sleep_for(300ms);
    Shot("dialog-chosen");
    PressKeys("Return");
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dialog); }, 5s));
    EXPECT_EQ(e2e::StoredInt(L"Keys", L"Hotkey"), std::optional<DWORD>(0x34B));

    e2e::Cover cover(L"maximised");
    ASSERT_TRUE(cover.Window());
    PressKeys("ctrl+alt+b");
    EXPECT_FALSE(ForegroundBecomes(buttons[0], 1500ms)) << "the old key still works";
    PressKeys("ctrl+alt+k");
    EXPECT_TRUE(ForegroundBecomes(buttons[0])) << "the new key does not work";
    PressKeys("ctrl+alt+k");
    EXPECT_TRUE(ForegroundBecomes(cover.Window()));
}

}  // namespace
