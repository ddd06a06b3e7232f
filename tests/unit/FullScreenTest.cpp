#include <gtest/gtest.h>

#include <map>

#include "clock/WatchWnd.h"
#include "res/Resource.h"
#include "tests/unit/Harness.h"

namespace {

using Kind = plat::ForegroundWindow::Kind;

constexpr plat::Rect kLeft{0, 0, 1024, 768};
constexpr plat::Rect kRight{1024, 0, 2048, 768};

// Two monitors side by side. On the left: a topmost button, a plain one and the topmost clock;
// on the right: a topmost button.
class FullScreen : public testing::Test {
  protected:
    void SetUp() override {
        h.platform.monitors.all = {kLeft, kRight};
        h.store().Put("Button", "Num", 3);
        h.StoreButton(1, "C:\\A.EXE", 100, 100, 1);
        h.StoreButton(2, "C:\\B.EXE", 200, 100, 0);
        h.StoreButton(3, "C:\\C.EXE", 1500, 100, 1);
        h.store().Put("Watch", "Show", 1);
        ASSERT_TRUE(h.app.InitInstance());
        h.platform.log.clear();
    }
    static plat::ForegroundWindow Window(Kind kind, plat::Rect client, plat::Rect monitor = kLeft) {
        return {kind, true, client, monitor};
    }
    void Foreground(const plat::ForegroundWindow& w) { h.main().OnForegroundWindow(w); }
    fake::FakeWindow& button(int i) {
        return *h.platform.windows.Find(h.main().m_buttons[static_cast<std::size_t>(i)]->Window());
    }
    fake::FakeWindow& clock() { return *h.platform.windows.Find(h.main().m_pWatch->Window()); }
    std::vector<bool> Topmost() {
        return {button(0).topmost, button(1).topmost, button(2).topmost, clock().topmost};
    }
    void ExpectAllInPlace() { EXPECT_EQ(Topmost(), (std::vector<bool>{true, false, true, true})); }
    void ExpectLeftAside() { EXPECT_EQ(Topmost(), (std::vector<bool>{false, false, true, false})); }

    Harness h;
};

TEST_F(FullScreen, AProgramCoveringAMonitorTakesOnlyItsTopmostWindowsOutOfTheBandAndBack) {
    const std::vector<plat::Rect> places = {button(0).rect, button(1).rect, button(2).rect,
                                            clock().rect};
    const std::vector<bool> shown = {button(0).visible, button(1).visible, button(2).visible,
                                     clock().visible};
    const auto expectUntouchedButTheBand = [&] {
        EXPECT_EQ(
            (std::vector<plat::Rect>{button(0).rect, button(1).rect, button(2).rect, clock().rect}),
            places)
            << "everything stays where it stood";
        EXPECT_EQ((std::vector<bool>{button(0).visible, button(1).visible, button(2).visible,
                                     clock().visible}),
                  shown)
            << "nothing is shown or hidden";
        for (fake::FakeWindow* w : {&button(0), &button(1), &button(2), &clock()}) {
            EXPECT_EQ(w->activations, 0) << w->className << " was activated";
        }
        EXPECT_TRUE(h.Calls("Windows.ShowWindow").empty());
        EXPECT_TRUE(h.platform.input.foreground.empty());
    };
    for (fake::FakeWindow* w : {&button(0), &button(1), &button(2), &clock()}) w->activations = 0;

    Foreground(Window(Kind::Program, kLeft));
    ExpectLeftAside();
    // Out of the band, below everything: only the left monitor's two topmost windows.
    EXPECT_EQ((std::vector<bool>{button(0).atBottom, button(1).atBottom, button(2).atBottom,
                                 clock().atBottom}),
              (std::vector<bool>{true, false, false, true}));
    EXPECT_EQ(h.Calls("Windows.SetWindowPos").size(), 2u);
    expectUntouchedButTheBand();

    // Moving or telling again changes nothing.
    h.platform.log.clear();
    Foreground(Window(Kind::Program, kLeft));
    EXPECT_TRUE(h.Calls("Windows.SetWindowPos").empty());

    Foreground(Window(Kind::Program, {0, 0, 800, 600}));
    ExpectAllInPlace();
    EXPECT_EQ((std::vector<bool>{button(0).atBottom, button(1).atBottom, button(2).atBottom,
                                 clock().atBottom}),
              (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(h.Calls("Windows.SetWindowPos").size(), 2u) << "only the two come back";
    expectUntouchedButTheBand();
    EXPECT_TRUE(h.Calls("Store.Write").empty());
}

TEST_F(FullScreen, TheRightMonitorsProgramLeavesTheLeftAloneAndMovingOverSwapsThem) {
    Foreground(Window(Kind::Program, {1024, -10, 2048, 800}, kRight));
    EXPECT_EQ(Topmost(), (std::vector<bool>{true, false, false, true}));
    EXPECT_EQ(h.Calls("Windows.SetWindowPos").size(), 1u);
    Foreground(Window(Kind::Program, kLeft));
    ExpectLeftAside();
}

// What comes to the foreground afterwards: each puts everything back.
class Leaving : public FullScreen, public testing::WithParamInterface<plat::ForegroundWindow> {};

TEST_P(Leaving, PutsEveryWindowBackOnTop) {
    Foreground(Window(Kind::Program, kLeft));
    Foreground(GetParam());
    ExpectAllInPlace();
}

INSTANTIATE_TEST_SUITE_P(
    Next, Leaving,
    testing::Values(plat::ForegroundWindow{},                                    // it ended
                    plat::ForegroundWindow{Kind::Program, false, kLeft, kLeft},  // hidden
                    plat::ForegroundWindow{Kind::Program, true, {0, 0, 1024, 740}, kLeft},
                    plat::ForegroundWindow{Kind::Ours, true, kLeft, kLeft},
                    plat::ForegroundWindow{Kind::Desktop, true, kLeft, kLeft}));

// Windows that never count as full screen, however much of the monitor they cover.
class NotFullScreen : public FullScreen,
                      public testing::WithParamInterface<plat::ForegroundWindow> {};

TEST_P(NotFullScreen, ChangesNothing) {
    Foreground(GetParam());
    ExpectAllInPlace();
    EXPECT_TRUE(h.Calls("Windows.SetWindowPos").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Windows, NotFullScreen,
    testing::Values(
        // Maximised with the taskbar in sight: its frame hangs over three edges, not the fourth.
        plat::ForegroundWindow{Kind::Program, true, {-8, 23, 1032, 728}, kLeft},
        // Maximised under a taskbar that hides itself: the caption stays in sight.
        plat::ForegroundWindow{Kind::Program, true, {0, 23, 1024, 776}, kLeft},
        plat::ForegroundWindow{Kind::Program, true, {0, 1, 1024, 768}, kLeft},
        plat::ForegroundWindow{Kind::Desktop, true, kLeft, kLeft},
        plat::ForegroundWindow{Kind::Taskbar, true, kLeft, kLeft},
        plat::ForegroundWindow{Kind::Ours, true, {-100, -100, 2000, 2000}, kLeft},
        plat::ForegroundWindow{Kind::Program, true, kLeft, {0, 0, 0, 0}}));

TEST_F(FullScreen, AToggleMeanwhileStoresItsBitAndTakesEffectWhenTheProgramLeaves) {
    Foreground(Window(Kind::Program, kLeft));
    auto& plain = *h.main().m_buttons[1];
    plain.OnCommand(ID_BUTTON_TOPMOST);
    EXPECT_EQ(h.StoredInt("Btn2", "Option"), 1);
    EXPECT_FALSE(button(1).topmost);
    auto& top = *h.main().m_buttons[0];
    top.OnCommand(ID_BUTTON_TOPMOST);
    EXPECT_EQ(h.StoredInt("Btn1", "Option"), 0);
    EXPECT_FALSE(button(0).topmost);

    Foreground(Window(Kind::Ours, kLeft));
    EXPECT_EQ(Topmost(), (std::vector<bool>{false, true, true, true}));
}

TEST_F(FullScreen, RefreshingAndTheClocksSettingsRespectTheProgramAndShowNothing) {
    h.main().OnTrayEvent(plat::tray::kLButtonDblClk, {});  // the buttons hidden from the tray
    Foreground(Window(Kind::Program, kLeft));
    h.platform.log.clear();
    clock().visible = false;  // so that a placement that showed it would tell
    h.main().RefreshTopmost();
    h.main().m_pWatch->ApplyTopmost();
    ExpectLeftAside();
    EXPECT_FALSE(button(0).visible);
    EXPECT_FALSE(button(1).visible) << "never shown";
    EXPECT_FALSE(clock().visible) << "never shown";
    // The way back does not show what the tray hid, either.
    Foreground(plat::ForegroundWindow{});
    ExpectAllInPlace();
    EXPECT_FALSE(button(0).visible);
}

TEST_F(FullScreen, NothingOfItReachesTheStore) {
    Foreground(Window(Kind::Program, kLeft));
    h.main().OnClose();
    EXPECT_EQ(h.StoredInt("Btn1", "Option"), 1);
    EXPECT_EQ(h.StoredInt("Btn3", "Option"), 1);
    EXPECT_EQ(h.StoredInt("Watch", "TopMost"), 1);
}

}  // namespace

// The window system may say nothing when a full-screen program ends (its process ends with its
// window) or hides: while ours are aside, the main window keeps a timer that makes it look at
// the foreground again, and it runs no longer than that.
TEST_F(FullScreen, WhileAsideTheMainWindowLooksAgainOnATimerThatStopsWhenAllAreBack) {
    const auto& timers = h.platform.windows.Find(h.main().Window())->timers;
    EXPECT_TRUE(timers.empty()) << "nothing ticks while nothing is aside";
    Foreground(Window(Kind::Program, kLeft));
    ASSERT_EQ(timers.size(), 1u);
    const auto [id, period] = *timers.begin();
    // Back within two seconds however the program ends.
    EXPECT_GT(period, 0);
    EXPECT_LE(period, 1000);

    // Told again, or moved over to the other monitor: still one timer, the same.
    Foreground(Window(Kind::Program, kLeft));
    Foreground(Window(Kind::Program, kRight, kRight));
    EXPECT_EQ(timers, (std::map<int, int>{{id, period}}));

    Foreground(plat::ForegroundWindow{});
    ExpectAllInPlace();
    EXPECT_TRUE(timers.empty());
}
