#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "tests/e2e/Driver.h"

namespace {

using namespace std::chrono_literals;
using e2e::Process;

// Three stored buttons ONE, TWO, THREE, not in a line; the real tray menu.
class Arrange : public testing::Test {
  protected:
    void SetUp() override {
        e2e::StoreButtons({{L"C:\\windows\\notepad.exe", L"0,0,300,200,0,0"},
                           {L"C:\\windows\\regedit.exe", L"0,0,100,500,0,0"},
                           {L"C:\\windows\\system32\\winemine.exe", L"0,0,600,50,0,0"}});
        StartProgram();
    }
    void StartProgram() {
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(e2e::WaitUntil([&] {
            main = e2e::FindWindowOf(program.Id(), nullptr, L"Brisalt");
            return main != nullptr && e2e::ButtonWindows(program.Id()).size() == 3;
        }));
        ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TrayIconPoint(icon); }));
    }
    void TearDown() override {
        if (program.Running()) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            program.WaitForExit(10s);
        }
    }
    void Choose(const std::string& keys) { ASSERT_TRUE(e2e::ChooseFromTrayMenu(icon, keys)); }
    // The button windows in the order of the store, found by their place.
    RECT RectAt(int i) {
        RECT r{};
        GetWindowRect(byStoreOrder[i], &r);
        return r;
    }
    void RememberStoreOrder() {
        // Before any move the windows are told apart by where they were stored.
        byStoreOrder.clear();
        for (POINT p : {POINT{300, 200}, POINT{100, 500}, POINT{600, 50}}) {
            for (HWND w : e2e::ButtonWindows(program.Id())) {
                RECT r{};
                GetWindowRect(w, &r);
                if (r.left == p.x && r.top == p.y) byStoreOrder.push_back(w);
            }
        }
        ASSERT_EQ(byStoreOrder.size(), 3u);
    }

    Process program;
    HWND main = nullptr;
    POINT icon{};
    std::vector<HWND> byStoreOrder;
};

TEST_F(Arrange, RowsStartFromTheFirstButtonsPlace) {
    RememberStoreOrder();
    Choose("at");
    ASSERT_TRUE(e2e::WaitUntil([&] { return RectAt(1).left == 336; }, 3s));
    EXPECT_EQ(RectAt(0).left, 300);
    EXPECT_EQ(RectAt(2).left, 372);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(RectAt(i).top, 200);
    // Written at once.
    EXPECT_TRUE(e2e::WaitUntil(
        [] {
            return e2e::StoredString(L"Btn3", L"Data") ==
                   std::optional<std::wstring>(L"0,0,372,200,407,235");
        },
        3s));
}

TEST_F(Arrange, TheOrderDialogMovesThreeToTheFrontAndTheNextAlignmentFollowsIt) {
    RememberStoreOrder();
    Choose("ao");
    HWND dialog = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        return (dialog = e2e::FindWindowOf(program.Id(), L"#32770", L"整列の順序")) != nullptr;
    }));
    std::this_thread::sleep_for(400ms);
    std::printf("screenshot: %s\n", e2e::Screenshot("order-dialog").c_str());
    HWND list = GetDlgItem(dialog, 1023);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    SendMessageW(GetDlgItem(dialog, 1024), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(dialog, 1024), BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
    std::this_thread::sleep_for(300ms);
    std::printf("screenshot: %s\n", e2e::Screenshot("order-dialog-moved").c_str());
    SendMessageW(GetDlgItem(dialog, 2), BM_CLICK, 0, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dialog); }));

    Choose("at");
    // THREE (stored third, at 600,50) now leads the line from its own place.
    ASSERT_TRUE(e2e::WaitUntil([&] { return RectAt(0).left == 636; }, 3s));
    EXPECT_EQ(RectAt(2).left, 600);
    EXPECT_EQ(RectAt(1).left, 672);
    EXPECT_EQ(RectAt(0).top, 50);

    // The size command is the last item of the submenu: both it and the spread answer to S,
    // so the user goes there with the arrow key.
    Choose("a^\n");
    HWND size = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        return (size = e2e::FindWindowOf(program.Id(), L"#32770", L"ﾎﾞﾀﾝのｻｲｽﾞ")) != nullptr;
    }));
    std::this_thread::sleep_for(300ms);
    std::printf("screenshot: %s\n", e2e::Screenshot("size-dialog").c_str());
    SetDlgItemTextW(size, 1000, L"48");
    SendMessageW(GetDlgItem(size, IDOK), BM_CLICK, 0, 0);
    // The buttons take their new size one after another.
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
            for (int i = 0; i < 3; ++i) {
                if (RectAt(i).right - RectAt(i).left != 47) return false;
            }
            return true;
        },
        3s));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(RectAt(i).right - RectAt(i).left, 47);
        EXPECT_EQ(RectAt(i).bottom - RectAt(i).top, 47);
    }

    // After a new start the buttons come back in the new order, places and size.
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(e2e::StoredString(L"Btn1", L"AppName"),
              std::optional<std::wstring>(L"C:\\windows\\system32\\winemine.exe"));
    EXPECT_EQ(e2e::StoredInt(L"Btn1", L"Size"), std::optional<DWORD>(48));
    EXPECT_EQ(e2e::StoredString(L"Btn1", L"Data"),
              std::optional<std::wstring>(L"0,0,600,50,647,97"));
    Process again;
    ASSERT_TRUE(again.Start());
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::ButtonWindows(again.Id()).size() == 3; }));
    const auto windows = e2e::ButtonWindows(again.Id());  // by x: THREE, ONE, TWO
    RECT r{};
    GetWindowRect(windows[0], &r);
    EXPECT_EQ(r.left, 600);
    EXPECT_EQ(r.right - r.left, 47);
    HWND secondMain = e2e::FindWindowOf(again.Id(), nullptr, L"Brisalt");
    PostMessageW(secondMain, WM_CLOSE, 0, 0);
    again.WaitForExit();
}

}  // namespace
