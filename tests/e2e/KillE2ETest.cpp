#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

#include "tests/e2e/Driver.h"

namespace {

using namespace std::chrono_literals;
using e2e::Process;

RECT RectOf(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

void Xdotool(std::vector<std::string> args) {
    args.insert(args.begin(), "/usr/bin/xdotool");
    e2e::RunUnix(args);
}

// The program is ended from outside, as the task manager's "end task" does, right after each
// change the user finished; the next start must show every one of them.
class HardKill : public testing::Test {
  protected:
    void SetUp() override {
        e2e::StoreButtons({{L"C:\\windows\\notepad.exe", L"0,0,100,100,0,0"},
                           {L"C:\\windows\\regedit.exe", L"0,0,300,100,0,0"},
                           {L"C:\\windows\\system32\\winemine.exe", L"0,0,500,100,0,0"}});
    }
    void TearDown() override {
        if (program && program->Running()) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            program->WaitForExit(10s);
        }
    }
    // A new start, once its buttons and its tray icon are there.
    void Start(std::size_t buttons) {
        program = std::make_unique<Process>();
        ASSERT_TRUE(program->Start());
        ASSERT_TRUE(e2e::WaitUntil([&] {
            main = e2e::FindWindowOf(program->Id(), nullptr, L"Brisalt");
            return main != nullptr && e2e::ButtonWindows(program->Id()).size() == buttons;
        })) << "the start does not show "
            << buttons << " buttons";
        ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TrayIconPoint(icon); }));
    }
    // Once the change has shown, the program has finished with it when its thread holds no
    // capture, runs no move loop or menu and has answered a message sent after it; then it is
    // ended without a chance to save anything.
    void KillWhenSettled() {
        const DWORD thread = GetWindowThreadProcessId(main, nullptr);
        EXPECT_TRUE(e2e::WaitUntil(
            [&] {
                GUITHREADINFO info{};
                info.cbSize = sizeof info;
                if (!GetGUIThreadInfo(thread, &info)) return false;
                return info.hwndCapture == nullptr &&
                       !(info.flags & (GUI_INMOVESIZE | GUI_INMENUMODE | GUI_POPUPMENUMODE));
            },
            5s));
        DWORD_PTR answer = 0;
        EXPECT_NE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &answer), 0);
        program->Kill();
        ASSERT_FALSE(program->Running());
    }
    std::vector<HWND> Buttons() { return e2e::ButtonWindows(program->Id()); }
    HWND ButtonAt(LONG left, LONG top) {
        for (HWND w : Buttons()) {
            const RECT r = RectOf(w);
            if (r.left == left && r.top == top) return w;
        }
        return nullptr;
    }
    HWND Clock() { return e2e::FindWindowOf(program->Id(), L"BrisaltoClock", nullptr); }
    HWND Dialog(const wchar_t* caption) { return e2e::WaitForDialog(program->Id(), caption); }
    void Choose(const std::string& keys) { ASSERT_TRUE(e2e::ChooseFromTrayMenu(icon, keys)); }

    std::unique_ptr<Process> program;
    HWND main = nullptr;
    POINT icon{};
};

TEST_F(HardKill, EveryFinishedChangeSurvivesAnEndTaskRightAfterIt) {
    // A drag with both mouse buttons.
    Start(3);
    // Each event given time to arrive, as a hand would: the right press must find the left one
    // already taken.
    Xdotool({"mousemove", "117", "117",       "sleep", "0.3",       "mousedown", "1",
             "sleep",     "0.3", "mousedown", "3",     "sleep",     "0.3",       "mousemove",
             "420",       "330", "sleep",     "0.1",   "mousemove", "421",       "331",
             "sleep",     "0.3", "mouseup",   "1",     "mouseup",   "3"});
    ASSERT_TRUE(e2e::WaitUntil([&] { return ButtonAt(403, 313) != nullptr; }, 5s));
    KillWhenSettled();

    // Always on top, from the button's own menu.
    Start(3);
    ASSERT_NE(ButtonAt(403, 313), nullptr) << "the drag was lost";
    HWND second = ButtonAt(300, 100);
    ASSERT_NE(second, nullptr);
    e2e::Click(317, 117, 3);
    HWND menu = e2e::WaitForMenu();
    ASSERT_NE(menu, nullptr);
    e2e::ChooseByMnemonic(menu, 't');
    ASSERT_TRUE(e2e::WaitUntil(
        [&] { return (GetWindowLongPtrW(second, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }, 5s));
    KillWhenSettled();

    // A button added from the tray menu.
    Start(3);
    second = ButtonAt(300, 100);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(second, GWL_EXSTYLE) & WS_EX_TOPMOST) << "on top was lost";
    Choose("b");
    HWND settings = Dialog(L"設定");
    ASSERT_NE(settings, nullptr);
    SetDlgItemTextW(settings, 1008, L"C:\\windows\\system32\\winver.exe");
    SendMessageW(GetDlgItem(settings, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Buttons().size() == 4; }, 5s));
    KillWhenSettled();

    // Lined up from the first button's place.
    Start(4);
    ASSERT_NE(ButtonAt(100, 100), nullptr) << "the added button was lost";
    Choose("at");
    ASSERT_TRUE(e2e::WaitUntil([&] { return ButtonAt(511, 313) != nullptr; }, 5s));
    KillWhenSettled();

    // One size for all.
    Start(4);
    for (LONG left : {403, 439, 475, 511}) {
        EXPECT_NE(ButtonAt(left, 313), nullptr) << "the alignment was lost at " << left;
    }
    Choose("a^\n");
    HWND size = Dialog(L"ﾎﾞﾀﾝのｻｲｽﾞ");
    ASSERT_NE(size, nullptr);
    SetDlgItemTextW(size, 1000, L"48");
    SendMessageW(GetDlgItem(size, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
            const RECT r = RectOf(Buttons().back());
            return r.right - r.left == 47;
        },
        5s));
    KillWhenSettled();

    // A new order: the last button goes to the front.
    Start(4);
    for (HWND w : Buttons()) {
        const RECT r = RectOf(w);
        EXPECT_EQ(r.right - r.left, 47) << "one size for all was lost";
    }
    Choose("ao");
    HWND order = Dialog(L"整列の順序");
    ASSERT_NE(order, nullptr);
    HWND list = GetDlgItem(order, 1023);
    SendMessageW(list, LB_SETCURSEL, 3, 0);
    for (int i = 0; i < 3; ++i) SendMessageW(GetDlgItem(order, 1024), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(order, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(order); }));
    KillWhenSettled();

    // The clock switched on.
    Start(4);
    EXPECT_EQ(e2e::StoredString(L"Btn1", L"AppName"),
              std::optional<std::wstring>(L"C:\\windows\\system32\\winver.exe"))
        << "the new order was lost";
    Choose("w");
    ASSERT_TRUE(e2e::WaitUntil([&] { return Clock() != nullptr && IsWindowVisible(Clock()); }));
    KillWhenSettled();

    // The clock dragged by its inside.
    Start(4);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Clock() != nullptr && IsWindowVisible(Clock()); }))
        << "the clock switched on was lost";
    std::vector<std::string> drag = {"mousemove", "60", "35", "mousedown", "1", "sleep", "0.3"};
    for (int step = 1; step <= 10; ++step) {
        drag.insert(drag.end(), {"mousemove", std::to_string(60 + 20 * step),
                                 std::to_string(35 + 20 * step), "sleep", "0.05"});
    }
    drag.insert(drag.end(), {"sleep", "0.3", "mouseup", "1"});
    Xdotool(drag);
    ASSERT_TRUE(e2e::WaitUntil([&] { return RectOf(Clock()).left == 210; }, 5s));
    KillWhenSettled();

    Start(4);
    HWND clock = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] { return (clock = Clock()) != nullptr; }));
    const RECT r = RectOf(clock);
    EXPECT_EQ(r.left, 210) << "the clock's move was lost";
    EXPECT_EQ(r.top, 210);
    std::printf("screenshot: %s\n", e2e::Screenshot("after-kills").c_str());
}

}  // namespace
