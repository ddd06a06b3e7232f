#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/Driver.h"

namespace {

using namespace std::chrono_literals;
using e2e::Cover;
using e2e::Process;

bool Topmost(HWND w) { return (GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

DWORD ProcessOf(HWND w) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return pid;
}

// Two buttons and the clock, all set to stay on top.
class FullScreen : public testing::Test {
  protected:
    void SetUp() override {
        e2e::StoreButtons({{L"C:\\windows\\notepad.exe", L"0,0,100,200,0,0"},
                           {L"C:\\windows\\notepad.exe", L"0,0,200,200,0,0"}});
        e2e::PutInt(L"Btn1", L"Option", 1);
        e2e::PutInt(L"Btn2", L"Option", 1);
        e2e::PutInt(L"Watch", L"Show", 1);
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(e2e::WaitUntil([&] {
            main = e2e::FindWindowOf(program.Id(), nullptr, L"Brisalt");
            clock = e2e::FindWindowOf(program.Id(), L"BrisaltoClock", nullptr);
            return main != nullptr && clock != nullptr &&
                   e2e::ButtonWindows(program.Id()).size() == 2;
        })) << "the buttons and the clock did not appear";
        ours = e2e::ButtonWindows(program.Id());
        ours.push_back(clock);
        // The user was last at the clock.
        RECT r{};
        GetWindowRect(clock, &r);
        e2e::Click((r.left + r.right) / 2, (r.top + r.bottom) / 2, 1);
        ASSERT_TRUE(
            e2e::WaitUntil([&] { return ProcessOf(GetForegroundWindow()) == program.Id(); }));
    }
    void TearDown() override {
        if (program.Running()) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            program.WaitForExit(10s);
        }
    }
    bool AllTopmost() {
        for (HWND w : ours) {
            if (!Topmost(w)) return false;
        }
        return true;
    }
    // Our shown windows that lie above `w` in the z-order.
    int OursAbove(HWND w) {
        int n = 0;
        for (HWND above = GetWindow(w, GW_HWNDPREV); above != nullptr;
             above = GetWindow(above, GW_HWNDPREV)) {
            if (ProcessOf(above) == program.Id() && IsWindowVisible(above)) ++n;
        }
        return n;
    }

    Process program;
    HWND main = nullptr;
    HWND clock = nullptr;
    std::vector<HWND> ours;
};

TEST_F(FullScreen, AProgramOverTheWholeScreenHasNoneOfOursAboveItUntilItCloses) {
    {
        Cover cover(L"full");
        ASSERT_NE(cover.Window(), nullptr) << "the covering window did not come to the front";
        EXPECT_TRUE(e2e::WaitUntil([&] { return OursAbove(cover.Window()) == 0; }, 1s))
            << OursAbove(cover.Window()) << " of ours still above it";
        for (HWND w : ours) EXPECT_TRUE(IsWindowVisible(w)) << "stepping aside hides nothing";
        e2e::Screenshot("fullscreen-covered");
        cover.Close();
    }
    EXPECT_TRUE(e2e::WaitUntil([&] { return AllTopmost(); }, 2s)) << "not all back on top";
    e2e::Screenshot("fullscreen-closed");

    {
        Cover cover(L"maximised");
        ASSERT_NE(cover.Window(), nullptr);
        std::this_thread::sleep_for(1s);
        EXPECT_TRUE(AllTopmost()) << "a maximised window is not full screen";
        EXPECT_EQ(OursAbove(cover.Window()), 3);
        e2e::Screenshot("fullscreen-maximised");
    }

    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit(10s).has_value());
    EXPECT_EQ(e2e::StoredInt(L"Btn1", L"Option"), std::optional<DWORD>(1));
    EXPECT_EQ(e2e::StoredInt(L"Btn2", L"Option"), std::optional<DWORD>(1));
    EXPECT_EQ(e2e::StoredInt(L"Watch", L"TopMost"), std::optional<DWORD>(1));
}

// However the full-screen program goes, ours are back on top within two seconds, whether or not
// the window system says anything about it.
TEST_F(FullScreen, OursComeBackWithinTwoSecondsHoweverTheProgramGoes) {
    const struct {
        const char* how;
        const wchar_t* words;
        void (*end)(Cover&);
    } endings[] = {
        {"its process ended by itself", L"full end=5000", [](Cover& c) { c.Ended(10s); }},
        {"it was killed", L"full", [](Cover& c) { c.Kill(); }},
        {"it was closed", L"full", [](Cover& c) { c.Close(); }},
        {"it was hidden", L"full", [](Cover& c) { ShowWindowAsync(c.Window(), SW_HIDE); }},
        {"it was minimised", L"full", [](Cover& c) { ShowWindowAsync(c.Window(), SW_MINIMIZE); }},
    };
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.how);
        // The user is at the clock when the program takes the screen: Wine 8 tells a program
        // nothing of a foreground change between two others (no WinEvent, no activation), so
        // the test makes sure of the click, which a busy desktop may drop.
        RECT r{};
        GetWindowRect(clock, &r);
        bool atTheClock = false;
        for (int attempt = 0; attempt < 3 && !atTheClock; ++attempt) {
            e2e::Click((r.left + r.right) / 2, (r.top + r.bottom) / 2, 1);
            atTheClock = e2e::WaitUntil(
                [&] { return ProcessOf(GetForegroundWindow()) == program.Id(); }, 3s);
        }
        ASSERT_TRUE(atTheClock) << "the click on the clock did not bring the program forward";
        Cover cover(ending.words);
        ASSERT_NE(cover.Window(), nullptr) << "the covering window did not come to the front";
        ASSERT_TRUE(e2e::WaitUntil([&] { return !Topmost(ours.front()); }, 2s))
            << "ours did not step aside";
        ending.end(cover);
        EXPECT_TRUE(e2e::WaitUntil([&] { return AllTopmost(); }, 2s)) << "not all back on top";
        cover.Close();
    }
}

}  // namespace
