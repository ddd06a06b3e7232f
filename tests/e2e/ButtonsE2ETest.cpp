#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "tests/e2e/Driver.h"

namespace {

using namespace std::chrono_literals;
using e2e::Process;

// Three buttons in the store: the recorder at (100, 100) with a folder and parameters, and two
// more beside it; then the real program, and the real mouse.
class Buttons : public testing::Test {
  protected:
    void SetUp() override {
        e2e::ClearStore();
        record = e2e::WindowsPath(e2e::Variable(L"BRISALTO_ARTIFACTS")) + L"\\record.txt";
        CreateDirectoryW(e2e::WindowsPath(e2e::Variable(L"BRISALTO_ARTIFACTS")).c_str(), nullptr);
        DeleteFileW(record.c_str());
        SetEnvironmentVariableW(L"BRISALTO_RECORD", record.c_str());
        const std::wstring recorder = e2e::WindowsPath(e2e::Variable(L"BRISALTO_RECORDER"));
        e2e::PutInt(L"Button", L"Num", 3);
        e2e::PutString(L"Btn1", L"AppName", recorder);
        e2e::PutString(L"Btn1", L"Dir", L"C:\\windows");
        e2e::PutString(L"Btn1", L"Parm", L"-n 起動");
        e2e::PutString(L"Btn1", L"Data", L"0,0,100,100,0,0");
        e2e::PutString(L"Btn2", L"AppName", L"C:\\windows\\notepad.exe");
        e2e::PutString(L"Btn2", L"Data", L"0,0,200,100,0,0");
        e2e::PutString(L"Btn3", L"AppName", L"C:\\windows\\regedit.exe");
        e2e::PutString(L"Btn3", L"Data", L"0,0,300,100,0,0");
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(e2e::WaitUntil([&] {
            main = e2e::FindWindowOf(program.Id(), nullptr, L"Brisalt");
            return main != nullptr && e2e::ButtonWindows(program.Id()).size() == 3;
        })) << "the three buttons did not appear";
        buttons = e2e::ButtonWindows(program.Id());
        std::this_thread::sleep_for(300ms);  // let them paint
    }
    void TearDown() override {
        e2e::RunUnix({"/usr/bin/xdotool", "mouseup", "1"});
        e2e::RunUnix({"/usr/bin/xdotool", "mouseup", "3"});
        if (program.Running()) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            program.WaitForExit(10s);
        }
    }
    RECT Rect(HWND w) {
        RECT r{};
        GetWindowRect(w, &r);
        return r;
    }
    void Move(int x, int y) {
        e2e::RunUnix({"/usr/bin/xdotool", "mousemove", std::to_string(x), std::to_string(y)});
    }
    void Button(const char* action, int which) {
        e2e::RunUnix({"/usr/bin/xdotool", action, std::to_string(which)});
    }
    bool Recorded() { return !e2e::ReadFile(record).empty(); }

    Process program;
    HWND main = nullptr;
    std::vector<HWND> buttons;
    std::wstring record;
};

TEST_F(Buttons, AppearAtTheirPlacesWithTheRaisedFaceAndSinkWhileHeld) {
    const int places[] = {100, 200, 300};
    for (int i = 0; i < 3; ++i) {
        const RECT r = Rect(buttons[i]);
        EXPECT_EQ(r.left, places[i]);
        EXPECT_EQ(r.top, 100);
        EXPECT_EQ(r.right - r.left, 35);
        EXPECT_EQ(r.bottom - r.top, 35);
    }
    std::printf("screenshot: %s\n", e2e::Screenshot("buttons-raised").c_str());
    // Raised: the white top-left edge, the dark grey inner edge, the light grey face.
    EXPECT_EQ(e2e::ScreenPixel(300, 100), RGB(255, 255, 255));
    EXPECT_EQ(e2e::ScreenPixel(300 + 34, 100 + 20), RGB(128, 128, 128));
    EXPECT_EQ(e2e::ScreenPixel(300 + 33, 100 + 1), RGB(192, 192, 192));

    Move(317, 117);
    Button("mousedown", 1);
    ASSERT_TRUE(e2e::WaitUntil([] { return e2e::ScreenPixel(300, 100) == RGB(0, 0, 0); }, 3s))
        << "the face did not sink";
    std::printf("screenshot: %s\n", e2e::Screenshot("button-pressed").c_str());
    // Released outside: nothing starts, the face rises.
    Move(600, 500);
    Button("mouseup", 1);
    ASSERT_TRUE(
        e2e::WaitUntil([] { return e2e::ScreenPixel(300, 100) == RGB(255, 255, 255); }, 3s));
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(e2e::FindWindowOf(0, nullptr, L"Registry Editor"), nullptr);
}

TEST_F(Buttons, AClickStartsTheEntryOnceWithItsFolderAndParameters) {
    e2e::Click(117, 117, 1);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Recorded(); }, 10s)) << "the recorder did not start";
    const std::string got = e2e::ReadFile(record);
    EXPECT_NE(got.find("-n 起動"), std::string::npos) << got;
    EXPECT_NE(got.find("directory=C:\\windows"), std::string::npos) << got;
    DeleteFileW(record.c_str());
    std::this_thread::sleep_for(1s);
    EXPECT_FALSE(Recorded()) << "started more than once";
}

TEST_F(Buttons, ARightButtonDragMovesItAndTheNewPlaceIsStoredAtOnce) {
    Move(217, 117);
    Button("mousedown", 1);
    Button("mousedown", 3);
    Move(420, 330);
    Move(421, 331);
    Button("mouseup", 1);
    Button("mouseup", 3);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Rect(buttons[1]).left == 421 - 18; }, 3s))
        << "the button did not follow the pointer";
    EXPECT_EQ(Rect(buttons[1]).top, 331 - 18);
    EXPECT_TRUE(e2e::WaitUntil(
        [] {
            return e2e::StoredString(L"Btn2", L"Data") ==
                   std::optional<std::wstring>(L"0,0,403,313,438,348");
        },
        3s))
        << "the new place was not written at the release";
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(e2e::StoredString(L"Btn2", L"Data"),
              std::optional<std::wstring>(L"0,0,403,313,438,348"));
    EXPECT_FALSE(Recorded());
}

TEST_F(Buttons, DeleteFromItsOwnMenuRenumbersTheStore) {
    e2e::Click(117, 117, 3);
    HWND menu = e2e::WaitForMenu();
    ASSERT_NE(menu, nullptr);
    std::this_thread::sleep_for(200ms);
    std::printf("screenshot: %s\n", e2e::Screenshot("button-menu").c_str());
    e2e::ChooseByMnemonic(menu, 'd');
    HWND box = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        return (box = e2e::FindWindowOf(program.Id(), L"#32770", L"Vopdrant")) != nullptr;
    }));
    EXPECT_EQ(e2e::MessageBoxText(box), L"削除してもよろしいですか？");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil(
        [&] { return e2e::StoredInt(L"Button", L"Num") == std::optional<DWORD>(2); }));
    EXPECT_EQ(e2e::ButtonWindows(program.Id()).size(), 2u);
    EXPECT_EQ(e2e::StoredString(L"Btn1", L"AppName"),
              std::optional<std::wstring>(L"C:\\windows\\notepad.exe"));
    EXPECT_EQ(e2e::StoredString(L"Btn3", L"AppName"),
              std::optional<std::wstring>(L"C:\\windows\\regedit.exe"))
        << "the old last section stays as it was";
}

}  // namespace
