#include <gtest/gtest.h>

#include <thread>

#include "tests/e2e/Driver.h"

namespace {

using namespace std::chrono_literals;
using e2e::Process;

class Startup : public testing::Test {
  protected:
    void SetUp() override { e2e::ClearStore(); }

    // Starts the program and waits for its hidden main window.
    HWND StartFirst(Process& p) {
        EXPECT_TRUE(p.Start());
        HWND main = nullptr;
        EXPECT_TRUE(e2e::WaitUntil(
            [&] { return (main = e2e::FindWindowOf(p.Id(), nullptr, L"Brisalt")) != nullptr; }));
        return main;
    }

    // A second start must show the refusal box and end with nothing else done.
    void ExpectRefusedStart() {
        Process second;
        ASSERT_TRUE(second.Start());
        HWND box = nullptr;
        ASSERT_TRUE(e2e::WaitUntil([&] {
            return (box = e2e::FindWindowOf(second.Id(), L"#32770", L"Vopdrant")) != nullptr;
        })) << "no message box captioned Vopdrant";
        EXPECT_EQ(e2e::MessageBoxText(box), L"すでに起動しています。");
        EXPECT_EQ(e2e::FindWindowOf(second.Id(), nullptr, L"Brisalt"), nullptr);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(second.WaitForExit(), std::optional<DWORD>(0));
    }
};

TEST_F(Startup, WithAnEmptyStoreItKeepsRunningWithItsHiddenWindowAndEndsOnClose) {
    Process p;
    HWND main = StartFirst(p);
    ASSERT_NE(main, nullptr);
    std::this_thread::sleep_for(1s);
    EXPECT_TRUE(p.Running());
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_TRUE(GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(p.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(e2e::StoredInt(L"Watch", L"Show"), std::optional<DWORD>(0));
}

TEST_F(Startup, ASecondInstanceIsRefusedAndLeavesTheFirstAndTheStoreAlone) {
    e2e::PutInt(L"Button", L"Num", 0);
    e2e::PutString(L"Watch", L"Positon", L"1,2,3,4");
    Process first;
    HWND main = StartFirst(first);
    ASSERT_NE(main, nullptr);
    ExpectRefusedStart();
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(e2e::StoredString(L"Watch", L"Positon"), std::optional<std::wstring>(L"1,2,3,4"));
    EXPECT_EQ(e2e::StoredInt(L"Watch", L"Show"), std::nullopt);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(), std::optional<DWORD>(0));
}

// The sign-in start and a click close together: neither finds the other's window yet, and only
// one may run.
TEST_F(Startup, TwoStartsAtOnceLeaveOneRunningAndTheOtherRefused) {
    for (int round = 0; round < 5; ++round) {
        Process a, b;
        ASSERT_TRUE(a.Start());
        ASSERT_TRUE(b.Start());
        HWND boxA = nullptr, boxB = nullptr, mainA = nullptr, mainB = nullptr;
        ASSERT_TRUE(e2e::WaitUntil([&] {
            mainA = e2e::FindWindowOf(a.Id(), nullptr, L"Brisalt");
            mainB = e2e::FindWindowOf(b.Id(), nullptr, L"Brisalt");
            boxA = e2e::FindWindowOf(a.Id(), L"#32770", L"Vopdrant");
            boxB = e2e::FindWindowOf(b.Id(), L"#32770", L"Vopdrant");
            return (mainA != nullptr || boxA != nullptr) && (mainB != nullptr || boxB != nullptr);
        })) << "round "
            << round;
        std::this_thread::sleep_for(500ms);
        mainA = e2e::FindWindowOf(a.Id(), nullptr, L"Brisalt");
        mainB = e2e::FindWindowOf(b.Id(), nullptr, L"Brisalt");
        EXPECT_TRUE((mainA != nullptr) != (mainB != nullptr)) << "round " << round;
        HWND box = boxA != nullptr ? boxA : boxB;
        ASSERT_NE(box, nullptr) << "round " << round;
        EXPECT_EQ(e2e::MessageBoxText(box), L"すでに起動しています。");
        Process& refused = boxA != nullptr ? a : b;
        Process& running = boxA != nullptr ? b : a;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(refused.WaitForExit(), std::optional<DWORD>(0));
        for (HWND m : {mainA, mainB}) {
            if (m != nullptr) PostMessageW(m, WM_CLOSE, 0, 0);
        }
        EXPECT_EQ(running.WaitForExit(), std::optional<DWORD>(0));
        if (a.Running()) a.Kill();
        if (b.Running()) b.Kill();
    }
}

// Any program's top-level window with the exact caption blocks a start; a longer one does not.
TEST_F(Startup, AForeignWindowCaptionedBrisaltBlocksAndOneCaptionedBrisaltoDoesNot) {
    HWND blocker = CreateWindowExW(0, L"STATIC", L"Brisalt", WS_POPUP, 0, 0, 10, 10, nullptr,
                                   nullptr, nullptr, nullptr);
    ASSERT_NE(blocker, nullptr);
    ExpectRefusedStart();
    EXPECT_EQ(e2e::StoredInt(L"Watch", L"Show"), std::nullopt) << "a refused start wrote";
    DestroyWindow(blocker);

    HWND longer = CreateWindowExW(0, L"STATIC", L"Brisalto", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, nullptr, nullptr);
    Process p;
    HWND main = StartFirst(p);
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(p.WaitForExit(), std::optional<DWORD>(0));
    DestroyWindow(longer);
}

}  // namespace
