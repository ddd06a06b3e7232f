#include <gtest/gtest.h>

#include "button/FocusMove.h"
#include "res/Dialogs.h"
#include "res/Face.h"
#include "res/Resource.h"
#include "res/Texts.h"
#include "shell/HotkeyDlg.h"
#include "tests/unit/Harness.h"

namespace {

using plat::Key;
using plat::mk::kControl;
using plat::mk::kShift;

// --- The rule that picks the next button ----------------------------------------------------

// A 30-pixel button whose top-left corner is at (x, y).
ButtonPlace At(int x, int y, bool shown = true) { return {{x, y, x + 30, y + 30}, shown}; }

// Two monitors side by side, the second to the right at 1024 and a little lower:
//
//   0 (100,100)   1 (300,100)          |  4 (1100,120)
//   2 (100,300)   3 (300,310)          |  5 (1100,400)
//                 6 (320,500) hidden   |
const std::vector<ButtonPlace> kDesk = {At(100, 100),       At(300, 100),  At(100, 300),
                                        At(300, 310),       At(1100, 120), At(1100, 400),
                                        At(320, 500, false)};

struct MoveCase {
    const char* name;
    std::size_t from;
    FocusMove move;
    std::optional<std::size_t> to;
};

class NextButtonRule : public testing::TestWithParam<MoveCase> {};

TEST_P(NextButtonRule, PicksTheNearestShownButtonThatWayOrNone) {
    const MoveCase& c = GetParam();
    EXPECT_EQ(NextButton(kDesk, c.from, c.move), c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, NextButtonRule,
    testing::Values(MoveCase{"RightInARow", 0, FocusMove::Right, 1},
                    MoveCase{"RightOntoTheOtherMonitor", 1, FocusMove::Right, 4},
                    MoveCase{"LeftBackFromTheOtherMonitor", 4, FocusMove::Left, 1},
                    MoveCase{"LeftAtTheLeftEdgeIsNone", 0, FocusMove::Left, std::nullopt},
                    MoveCase{"DownInAColumn", 0, FocusMove::Down, 2},
                    MoveCase{"DownSlightlyAside", 1, FocusMove::Down, 3},
                    MoveCase{"UpAtTheTopIsNone", 1, FocusMove::Up, std::nullopt},
                    MoveCase{"DownOnTheSecondMonitor", 4, FocusMove::Down, 5},
                    MoveCase{"DownPastTheLastSkipsTheHiddenOne", 3, FocusMove::Down, std::nullopt},
                    MoveCase{"RightFromTheLowerRowCrossesMonitors", 3, FocusMove::Right, 5},
                    MoveCase{"UpFromTheLowerRight", 3, FocusMove::Up, 1},
                    MoveCase{"TabGoesOn", 2, FocusMove::Next, 3},
                    MoveCase{"TabWrapsPastTheHiddenLast", 5, FocusMove::Next, 0},
                    MoveCase{"ShiftTabWrapsToTheLastShown", 0, FocusMove::Previous, 5},
                    MoveCase{"ShiftTabGoesBack", 3, FocusMove::Previous, 2},
                    MoveCase{"HomeIsTheFirst", 4, FocusMove::First, 0},
                    MoveCase{"EndIsTheLastShown", 0, FocusMove::Last, 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NextButtonRuleEdges, ATieGoesToTheEarlierAndNothingShownMeansNowhere) {
    // Up-right and down-right of the same distance: neither lies more right than aside, so
    // both count, and the earlier in the list wins.
    const std::vector<ButtonPlace> tie = {At(0, 0), At(100, 100), At(100, -100)};
    EXPECT_EQ(NextButton(tie, 0, FocusMove::Right), 1u);
    const std::vector<ButtonPlace> hidden = {At(0, 0, false), At(50, 0, false)};
    EXPECT_EQ(NextButton(hidden, 0, FocusMove::Next), std::nullopt);
    EXPECT_EQ(NextButton(hidden, 0, FocusMove::First), std::nullopt);
    EXPECT_EQ(NextButton(hidden, 0, FocusMove::Right), std::nullopt);
    const std::vector<ButtonPlace> alone = {At(0, 0)};
    EXPECT_EQ(NextButton(alone, 0, FocusMove::Next), 0u) << "Tab on the only button stays";
}

// --- The hotkey and the keys on the running program -----------------------------------------

constexpr unsigned kCtrlAltB =
    plat::hotkey::Combine(plat::hotkey::kControl | plat::hotkey::kAlt, 'B');

// Three buttons in a row on the left monitor and one on a second monitor to the right.
class Keys : public testing::Test {
  protected:
    void SetUp() override {
        h.platform.monitors.all = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
        h.store().Put("Button", "Num", 4);
        h.StoreButton(1, "C:\\A\\ONE.EXE", 100, 100);
        h.StoreButton(2, "C:\\A\\TWO.EXE", 200, 100);
        h.StoreButton(3, "C:\\A\\THREE.EXE", 300, 100);
        h.StoreButton(4, "C:\\A\\FOUR.EXE", 1100, 110);
    }
    void Start() {
        ASSERT_TRUE(h.app.InitInstance());
        h.platform.log.clear();
    }
    CLaunchButton& button(int i) { return *h.main().m_buttons[static_cast<std::size_t>(i)]; }
    plat::WindowRef window(int i) { return button(i).Window(); }
    plat::WindowRef focused() const { return h.platform.input.focused; }
    void Press(Key key, unsigned keys = 0) {
        for (auto& b : h.main().m_buttons) {
            if (b->Window() == focused()) {
                EXPECT_TRUE(b->OnKeyDown(key, keys));
                return;
            }
        }
        ADD_FAILURE() << "no button has the focus";
    }
    // The ring as the focused button's last painting drew it.
    bool RingOn(int i) {
        button(i).DrawFace();
        return h.platform.graphics.faces.back().focusRing;
    }

    Harness h;
    const plat::WindowRef kOtherProgram{0x7000};
};

TEST_F(Keys, TheHotkeyIsRegisteredAtStartAndReleasedAtTheEnd) {
    Start();
    EXPECT_EQ(h.platform.input.hotkey, kCtrlAltB);
    EXPECT_EQ(h.platform.input.hotkeyOwner, h.main().Window());
    h.main().OnCommand(ID_APP_EXIT);
    EXPECT_EQ(h.platform.input.hotkey, 0u);
}

TEST_F(Keys, TheHotkeyFocusesTheFirstButtonBeforeAnyUseAndTheLastUsedAfter) {
    Start();
    h.main().OnHotkey();
    EXPECT_EQ(focused(), window(0));
    EXPECT_EQ(h.platform.input.foregroundNow, window(0));
    EXPECT_EQ(h.platform.windows.Find(window(0))->broughtForward, 1) << "the focused one at once";
    EXPECT_EQ(h.platform.windows.Find(window(1))->broughtForward, 0);
    EXPECT_EQ(
        h.platform.windows.Find(h.main().Window())->timers.count(CMainWnd::kBringForwardTimer), 1u);
    h.main().OnTimer(CMainWnd::kBringForwardTimer);  // then the others
    for (int i = 0; i < 4; ++i)
        EXPECT_GE(h.platform.windows.Find(window(i))->broughtForward, 1) << "every button forward";
    EXPECT_EQ(
        h.platform.windows.Find(h.main().Window())->timers.count(CMainWnd::kBringForwardTimer), 0u);
    EXPECT_TRUE(RingOn(0));
    h.main().OnHotkey();  // pressed again: back to the other program
    EXPECT_EQ(h.platform.input.foregroundNow, kOtherProgram);

    button(2).OnLButtonDown({5, 5}, plat::mk::kLButton);
    button(2).OnLButtonUp({5, 5}, 0);
    h.platform.input.SetForegroundWindow(kOtherProgram);
    h.main().OnHotkey();
    EXPECT_EQ(focused(), window(2));
}

TEST_F(Keys, ArrowsTabHomeAndEndMoveTheFocusAcrossMonitors) {
    Start();
    h.main().OnHotkey();
    Press(Key::Right);
    EXPECT_EQ(focused(), window(1));
    Press(Key::Right);
    Press(Key::Right);
    EXPECT_EQ(focused(), window(3)) << "onto the second monitor";
    Press(Key::Right);
    EXPECT_EQ(focused(), window(3)) << "nothing lies further right";
    Press(Key::Up);
    EXPECT_EQ(focused(), window(3));
    Press(Key::Tab);
    EXPECT_EQ(focused(), window(0)) << "Tab wraps";
    Press(Key::Tab, kShift);
    EXPECT_EQ(focused(), window(3)) << "Shift+Tab wraps back";
    Press(Key::Home);
    EXPECT_EQ(focused(), window(0));
    Press(Key::End);
    EXPECT_EQ(focused(), window(3));
    EXPECT_TRUE(h.Calls("Windows.WindowRect").empty())
        << "the places the buttons hold, not the window system's";
    EXPECT_TRUE(RingOn(3));
    EXPECT_FALSE(RingOn(0)) << "only the focused button shows a ring";
}

TEST_F(Keys, ArrowsFollowAButtonThatWasMoved) {
    Start();
    button(3).MoveTo(400, 100);  // now right after the third
    h.main().OnHotkey();
    Press(Key::End);
    Press(Key::Left);
    EXPECT_EQ(focused(), window(2));
}

TEST_F(Keys, EnterAndSpaceStartTheEntryAndCtrlShiftEnterAsAdministrator) {
    Start();
    h.main().OnHotkey();
    Press(Key::Right);
    Press(Key::Enter);
    ASSERT_EQ(h.platform.shell.executes.size(), 1u);
    EXPECT_EQ(h.platform.shell.executes[0].file, "C:\\A\\TWO.EXE");
    EXPECT_EQ(h.platform.shell.executes[0].verb, "");
    EXPECT_NE(h.platform.input.foregroundNow, kOtherProgram)
        << "the program started keeps the foreground";
    Press(Key::Space);
    Press(Key::Enter, kControl | kShift);
    Press(Key::Enter, kControl);
    ASSERT_EQ(h.platform.shell.executes.size(), 4u);
    EXPECT_EQ(h.platform.shell.executes[1].verb, "");
    EXPECT_EQ(h.platform.shell.executes[2].verb, "runas");
    EXPECT_EQ(h.platform.shell.executes[3].verb, "");
}

TEST_F(Keys, MenuKeyOpensTheButtonsOwnMenuBelowIt) {
    Start();
    h.main().OnHotkey();
    Press(Key::Right);
    Press(Key::Menu);
    ASSERT_EQ(h.platform.dialogs.menus.size(), 1u);
    const fake::TrackedMenu& menu = h.platform.dialogs.menus[0];
    EXPECT_EQ(menu.owner, window(1));
    EXPECT_EQ(menu.menu[0].id, ID_BUTTON_SETTINGS);
    EXPECT_EQ(menu.at, (plat::Point{200, 135}));
    EXPECT_EQ(focused(), window(1));
}

TEST_F(Keys, EscapeGivesTheForegroundBackAndHidesButtonsThatWereHidden) {
    Start();
    h.main().OnTrayEvent(plat::tray::kLButtonDblClk, {});  // hidden from the tray
    ASSERT_FALSE(h.main().m_bButtonsShown);
    h.main().OnHotkey();
    EXPECT_TRUE(h.main().m_bButtonsShown);
    EXPECT_TRUE(h.platform.windows.Find(window(0))->visible);
    EXPECT_EQ(focused(), window(0));
    Press(Key::Escape);
    EXPECT_EQ(h.platform.input.foregroundNow, kOtherProgram);
    EXPECT_FALSE(h.main().m_bButtonsShown);
    EXPECT_FALSE(h.platform.windows.Find(window(0))->visible);
    EXPECT_FALSE(h.main().KeyboardMode());
    // Esc before the others came forward: they stay where they were.
    EXPECT_EQ(
        h.platform.windows.Find(h.main().Window())->timers.count(CMainWnd::kBringForwardTimer), 0u);
    h.main().OnTimer(CMainWnd::kBringForwardTimer);
    EXPECT_EQ(h.platform.windows.Find(window(1))->broughtForward, 0);
}

TEST_F(Keys, ASecondHotkeyHidesAgainAndGoingToAnotherProgramEndsTheTurn) {
    Start();
    h.main().OnTrayEvent(plat::tray::kLButtonDblClk, {});
    h.main().OnHotkey();
    h.main().OnHotkey();
    EXPECT_FALSE(h.main().m_bButtonsShown);
    EXPECT_EQ(h.platform.input.foregroundNow, kOtherProgram);

    h.main().OnHotkey();
    plat::ForegroundWindow other;
    other.kind = plat::ForegroundWindow::Kind::Program;
    other.visible = true;
    h.main().OnForegroundWindow(other);
    EXPECT_FALSE(h.main().m_bButtonsShown) << "the turn ended when the user went elsewhere";
    h.main().OnHotkey();
    EXPECT_TRUE(h.main().m_bButtonsShown) << "so the next press brings them forward again";
}

TEST_F(Keys, TheMouseEndsKeyboardModeAndNeverSeesARing) {
    Start();
    button(1).OnLButtonDown({5, 5}, plat::mk::kLButton);
    button(1).OnLButtonUp({40, 40}, 0);
    EXPECT_EQ(focused(), window(1));
    EXPECT_FALSE(RingOn(1)) << "a click focuses without a ring";
    Press(Key::Left);
    EXPECT_EQ(focused(), window(0));
    EXPECT_TRUE(RingOn(0)) << "a key shows it";
    const int before = h.platform.windows.Find(window(0))->invalidations;
    button(0).OnRButtonDown({5, 5}, 0);
    EXPECT_FALSE(RingOn(0));
    EXPECT_GT(h.platform.windows.Find(window(0))->invalidations, before) << "repainted at once";
}

TEST_F(Keys, KeysAndTheHotkeyOnlyBeepWhileADialogIsOpen) {
    Start();
    h.main().OnHotkey();
    h.main().OnHotkey();
    h.platform.input.SetFocus(window(0));
    h.main().EnterDialog();
    h.platform.log.clear();
    h.main().OnHotkey();
    Press(Key::Right);
    Press(Key::Enter);
    EXPECT_EQ(focused(), window(0));
    EXPECT_TRUE(h.platform.shell.executes.empty());
    EXPECT_EQ(h.Calls("System.Beep").size(), 3u);
    h.main().LeaveDialog();
}

TEST_F(Keys, ADeletedLastUsedButtonLeavesTheHotkeyToTheFirst) {
    Start();
    h.main().OnHotkey();
    Press(Key::End);
    Press(Key::Escape);
    h.main().RemoveButton(&button(3));
    h.main().OnHotkey();
    EXPECT_EQ(focused(), window(0));
}

// --- The stored key and the dialog ----------------------------------------------------------

struct StoredKeyCase {
    const char* name;
    std::optional<int> stored;  // none: nothing stored
    unsigned registered;        // 0: none
};

class StoredHotkeyRead : public testing::TestWithParam<StoredKeyCase> {};

TEST_P(StoredHotkeyRead, AValueThatIsNoUsableCombinationMeansTheDefault) {
    const StoredKeyCase& c = GetParam();
    Harness h;
    if (c.stored) h.store().Put("Keys", "Hotkey", *c.stored);
    ASSERT_TRUE(h.app.InitInstance());
    EXPECT_EQ(h.platform.input.hotkey, c.registered);
}

constexpr unsigned kWinShiftB =
    plat::hotkey::Combine(plat::hotkey::kWin | plat::hotkey::kShift, 'B');
constexpr unsigned kCtrlF12 = plat::hotkey::Combine(plat::hotkey::kControl, 0x7B);

INSTANTIATE_TEST_SUITE_P(
    Values, StoredHotkeyRead,
    testing::Values(StoredKeyCase{"Missing", std::nullopt, kCtrlAltB}, StoredKeyCase{"None", 0, 0},
                    StoredKeyCase{"WinShiftB", kWinShiftB, kWinShiftB},
                    StoredKeyCase{"CtrlF12", kCtrlF12, kCtrlF12},
                    StoredKeyCase{"ShiftAloneWouldEatCapitals", 0x442, kCtrlAltB},
                    StoredKeyCase{"NoModifier", 0x42, kCtrlAltB},
                    StoredKeyCase{"AModifierAsTheKey", 0x311, kCtrlAltB},
                    StoredKeyCase{"AMouseButton", 0x301, kCtrlAltB},
                    StoredKeyCase{"UnknownModifierBits", 0x1342, kCtrlAltB},
                    StoredKeyCase{"Negative", -1, kCtrlAltB},
                    StoredKeyCase{"Huge", 0x7FFFFFFF, kCtrlAltB}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoredHotkey, AKeyAnotherProgramHoldsStartsQuietlyWithoutIt) {
    Harness h;
    h.platform.input.takenHotkeys.insert(kCtrlAltB);
    ASSERT_TRUE(h.app.InitInstance());
    EXPECT_EQ(h.platform.input.hotkey, 0u);
    EXPECT_TRUE(h.platform.dialogs.messageBoxes.empty());
}

class HotkeyDialog : public Keys {
  protected:
    // Opens the dialog from the tray menu and runs `script` in it.
    void Choose(const fake::DialogScript& script) {
        h.platform.dialogs.dialogScripts.push_back(script);
        h.main().OnCommand(ID_HOTKEY);
    }
};

TEST_F(HotkeyDialog, ANewKeyIsRegisteredAndStoredAtOnce) {
    Start();
    unsigned shown = 1;
    Choose([&](fake::FakeDialog& d) {
        EXPECT_EQ(d.Template().caption, "ﾎｯﾄｷｰの設定");
        shown = d.ItemValue(dlg::kHotkeyKey);
        EXPECT_EQ(h.platform.input.hotkey, 0u) << "the control hears our own key too";
        EXPECT_EQ(d.focusedItem, dlg::kHotkeyKey);
        d.PressKeys(dlg::kHotkeyKey, kWinShiftB);
        d.Click(plat::mb::kIdOk);
    });
    EXPECT_EQ(shown, kCtrlAltB);
    EXPECT_EQ(h.platform.input.hotkey, kWinShiftB);
    EXPECT_EQ(h.StoredInt("Keys", "Hotkey"), static_cast<int>(kWinShiftB));
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);
    h.main().OnHotkey();
    EXPECT_EQ(focused(), window(0)) << "the new key works";
}

TEST_F(HotkeyDialog, NoneClearsTheKeyAndCancelKeepsTheOldOne) {
    Start();
    Choose([](fake::FakeDialog& d) {
        d.PressKeys(dlg::kHotkeyKey, kWinShiftB);
        d.Click(plat::mb::kIdCancel);
    });
    EXPECT_EQ(h.platform.input.hotkey, kCtrlAltB);
    EXPECT_EQ(h.StoredInt("Keys", "Hotkey"), -999) << "nothing stored";
    Choose([](fake::FakeDialog& d) {
        d.Click(dlg::kHotkeyClear);
        EXPECT_EQ(d.ItemValue(dlg::kHotkeyKey), 0u);
        d.Click(plat::mb::kIdOk);
    });
    EXPECT_EQ(h.platform.input.hotkey, 0u);
    EXPECT_EQ(h.StoredInt("Keys", "Hotkey"), 0);
}

TEST_F(HotkeyDialog, ATakenKeyIsSaidAndRefusedUntilAFreeOneIsChosen) {
    h.platform.input.takenHotkeys.insert(kCtrlAltB);
    h.platform.input.takenHotkeys.insert(kCtrlF12);
    Start();
    Choose([&](fake::FakeDialog& d) {
        EXPECT_EQ(d.ItemText(dlg::kHotkeyState), text::kHotkeyTakenNow);
        d.Click(plat::mb::kIdOk);  // the same taken key
        EXPECT_FALSE(d.Ended());
        d.PressKeys(dlg::kHotkeyKey, kCtrlF12);
        d.Click(plat::mb::kIdOk);
        EXPECT_FALSE(d.Ended());
        EXPECT_EQ(h.platform.dialogs.messageBoxes.size(), 2u);
        d.PressKeys(dlg::kHotkeyKey, kWinShiftB);
        d.Click(plat::mb::kIdOk);
        EXPECT_TRUE(d.Ended());
    });
    ASSERT_EQ(h.platform.dialogs.messageBoxes.size(), 2u);
    EXPECT_EQ(h.platform.dialogs.messageBoxes[0].text, text::kHotkeyTaken);
    EXPECT_EQ(h.platform.input.hotkey, kWinShiftB);
    EXPECT_EQ(h.StoredInt("Keys", "Hotkey"), static_cast<int>(kWinShiftB));
}

TEST(HotkeyTemplate, TabWalksKeyNoneOkCancelAndTheMnemonicsDoNotClash) {
    std::vector<int> stops;
    std::string mnemonics;
    for (const plat::DialogControl& c : dlg::Hotkey().controls) {
        if (c.style & 0x00010000) stops.push_back(c.id);
        if (const auto at = c.text.find('&'); at != std::string::npos) mnemonics += c.text[at + 1];
    }
    EXPECT_EQ(stops, (std::vector<int>{dlg::kHotkeyKey, dlg::kHotkeyClear, plat::mb::kIdOk,
                                       plat::mb::kIdCancel}));
    EXPECT_EQ(mnemonics, "KN");
}

// --- The face ---------------------------------------------------------------------------------

struct IconCase {
    int side, edge, icon;
    bool pressed;
    int at;
};

class IconPlace : public testing::TestWithParam<IconCase> {};

TEST_P(IconPlace, SitsInTheMiddleOfTheRoomBetweenTheEdges) {
    const IconCase& c = GetParam();
    EXPECT_EQ(face::IconAt(c.side, c.edge, c.icon, c.pressed), c.at);
}

// A size-60 button at 192 dpi: a face of 120, edges of 2, room for 114; a 48-pixel icon has 33
// pixels either side.
INSTANTIATE_TEST_SUITE_P(Faces, IconPlace,
                         testing::Values(IconCase{120, 2, 48, false, 35},
                                         IconCase{120, 2, 48, true, 37},
                                         IconCase{72, 2, 64, false, 3},
                                         IconCase{72, 2, 80, false, 2},
                                         IconCase{54, 2, 48, true, 4}));

TEST(FocusRing, LiesInsideTheShownEdgesAtEveryScale) {
    for (const int e : {1, 2, 3}) {
        const int shown = 36 * e - 1;
        for (const face::Band& b : face::Ring(shown, e)) {
            EXPECT_GE(b.left, e);
            EXPECT_GE(b.top, e);
            EXPECT_LE(b.right, shown - e);
            EXPECT_LE(b.bottom, shown - e);
            EXPECT_TRUE(b.right - b.left == e || b.bottom - b.top == e)
                << "each line one edge wide";
        }
    }
}

}  // namespace
