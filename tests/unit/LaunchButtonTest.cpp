#include <gtest/gtest.h>

#include "clock/WatchWnd.h"
#include "res/Resource.h"
#include "tests/unit/Harness.h"

namespace {

using plat::mk::kControl;
using plat::mk::kLButton;
using plat::mk::kRButton;
using plat::mk::kShift;

// Three stored buttons on the fake platform; the first is a program with an icon.
class Buttons : public testing::Test {
  protected:
    void SetUp() override {
        h.platform.icons.files["C:\\TOOLS\\EDIT.EXE"] = {{32, 48}};
        h.store().Put("Button", "Num", 3);
        h.StoreButton(1, "C:\\TOOLS\\EDIT.EXE", 100, 200);
        h.store().Put("Btn1", "Parm", "-n");
        h.StoreButton(2, "C:\\B\\TWO.EXE", 300, 200, 1);
        h.StoreButton(3, "D:\\DOCS\\MEMO.TXT", 500, 200, 6);
        ASSERT_TRUE(h.app.InitInstance());
        h.platform.log.clear();
    }
    CLaunchButton& button(int i) { return *h.main().m_buttons[static_cast<std::size_t>(i)]; }
    fake::FakeWindow& window(int i) { return *h.platform.windows.Find(button(i).Window()); }
    std::size_t starts() const { return h.platform.shell.executes.size(); }

    Harness h;
};

TEST_F(Buttons, AppearAtTheirStoredPlacesOneSmallerThanTheirSize) {
    EXPECT_EQ(window(0).rect, (plat::Rect{100, 200, 135, 235}));
    EXPECT_TRUE(window(0).visible);
    EXPECT_FALSE(window(0).topmost);
    EXPECT_TRUE(window(1).topmost);
    EXPECT_FALSE(window(2).topmost) << "bits other than bit 0 do not make a button topmost";
    EXPECT_EQ(window(0).owner, h.main().Window());
    EXPECT_EQ(window(0).spec->kind, plat::WindowKind::Button);
    EXPECT_EQ(window(0).toolTip, "EDIT.EXE");
    EXPECT_EQ(window(2).toolTip, "MEMO.TXT");
}

TEST(StartupIcons, ButtonsOfOneFileShareOneIconAndALaterEditReadsTheFileAgain) {
    Harness h;
    h.platform.icons.files["C:\\TOOLS\\EDIT.EXE"] = {{32, 48}};
    h.store().Put("Button", "Num", 3);
    for (int n = 1; n <= 3; ++n) h.StoreButton(n, "C:\\TOOLS\\EDIT.EXE", 40 * n, 10);
    h.store().Put("Btn3", "Data", "0,1,120,10,0,0");  // the second icon of the same file
    const int before = fake::FakeIcons::LiveIcons();
    ASSERT_TRUE(h.app.InitInstance());
    EXPECT_EQ(h.Calls("Icons.Extract").size(), 2u);
    EXPECT_EQ(fake::FakeIcons::LiveIcons() - before, 2);
    std::vector<std::uintptr_t> faces;
    for (auto& b : h.main().m_buttons) {
        b->DrawFace();
        faces.push_back(h.platform.graphics.faces.back().icon);
    }
    EXPECT_EQ(faces[0], faces[1]);
    EXPECT_NE(faces[0], faces[2]);

    h.platform.log.clear();
    h.main().m_buttons[0]->ApplyInfo(h.main().m_buttons[0]->Info(), 0);
    EXPECT_EQ(h.Calls("Icons.Extract").size(), 1u);
    h.main().OnClose();
    EXPECT_EQ(fake::FakeIcons::LiveIcons(), before);
}

struct PlaceCase {
    int left, top;
    int x, y;  // where the window lands on a 1024 x 768 screen
};
class Clamp : public testing::TestWithParam<PlaceCase> {};

TEST_P(Clamp, PullsOffScreenPlacesOntoThePrimaryScreen) {
    Harness h;
    h.store().Put("Button", "Num", 1);
    h.StoreButton(1, "C:\\A.EXE", GetParam().left, GetParam().top);
    ASSERT_TRUE(h.app.InitInstance());
    const plat::Rect r = h.platform.windows.Find(h.main().m_buttons[0]->Window())->rect;
    EXPECT_EQ(r.left, GetParam().x);
    EXPECT_EQ(r.top, GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(Places, Clamp,
                         testing::Values(PlaceCase{100, 200, 100, 200}, PlaceCase{-20, 50, 0, 50},
                                         PlaceCase{1025, 50, 0, 50}, PlaceCase{1024, 50, 1024, 50},
                                         PlaceCase{50, 769, 50, 0}, PlaceCase{50, -1, 50, 0},
                                         PlaceCase{-5000, -5000, 0, 0}));

TEST(SecondMonitor, AButtonOnASecondMonitorKeepsItsPlaceUntilThatMonitorGoes) {
    Harness h;
    h.platform.monitors.all.push_back({1024, 0, 2048, 768});
    h.store().Put("Button", "Num", 1);
    h.StoreButton(1, "C:\\A.EXE", 1500, 300);
    ASSERT_TRUE(h.app.InitInstance());
    fake::FakeWindow& w = *h.platform.windows.Find(h.main().m_buttons[0]->Window());
    EXPECT_EQ(w.rect.left, 1500);
    h.platform.monitors.all.pop_back();
    h.main().OnDisplayChange();
    EXPECT_EQ(w.rect.left, 0);
    EXPECT_EQ(w.rect.top, 300);
}

TEST(SecondMonitor, AButtonHiddenFromTheTrayIsPulledBackButStaysHidden) {
    Harness h;
    h.platform.monitors.all.push_back({1024, 0, 2048, 768});
    h.store().Put("Button", "Num", 2);
    h.StoreButton(1, "C:\\A.EXE", 1500, 300);
    h.StoreButton(2, "C:\\B.EXE", 1600, 300, 1);
    ASSERT_TRUE(h.app.InitInstance());
    h.main().OnTrayEvent(plat::tray::kLButtonDblClk, {});
    ASSERT_FALSE(h.main().m_bButtonsShown);
    h.platform.monitors.all.pop_back();
    h.main().OnDisplayChange();
    for (const auto& button : h.main().m_buttons) {
        const fake::FakeWindow& w = *h.platform.windows.Find(button->Window());
        EXPECT_EQ(w.rect.left, 0);
        EXPECT_EQ(w.rect.top, 300);
        EXPECT_EQ(w.rect.Width(), 35);
        EXPECT_FALSE(w.visible);
    }
    h.main().OnTrayEvent(plat::tray::kLButtonDblClk, {});
    EXPECT_TRUE(h.platform.windows.Find(h.main().m_buttons[0]->Window())->visible);
}

TEST_F(Buttons, APressAndAReleaseInsideStartTheEntryOnce) {
    button(0).OnLButtonDown({5, 5}, kLButton);
    EXPECT_EQ(h.platform.graphics.faces.back().pressed, true);
    EXPECT_EQ(h.platform.input.captured, button(0).Window());
    EXPECT_EQ(starts(), 0u);
    button(0).OnLButtonUp({5, 5}, 0);
    EXPECT_EQ(h.platform.graphics.faces.back().pressed, false);
    EXPECT_FALSE(h.platform.input.captured);
    ASSERT_EQ(starts(), 1u);
    const fake::ExecuteCall& call = h.platform.shell.executes[0];
    EXPECT_EQ(call.file, "C:\\TOOLS\\EDIT.EXE");
    EXPECT_EQ(call.parameters, "-n");
    EXPECT_EQ(call.directory, "C:\\TOOLS\\");
    EXPECT_EQ(call.owner, button(0).Window());
}

TEST_F(Buttons, AReleaseOutsideStartsNothingAndRaisesTheFace) {
    for (plat::Point out :
         {plat::Point{35, 5}, plat::Point{5, 35}, plat::Point{-1, 5}, plat::Point{500, 500}}) {
        button(0).OnLButtonDown({5, 5}, kLButton);
        button(0).OnLButtonUp(out, 0);
        EXPECT_FALSE(h.platform.graphics.faces.back().pressed);
    }
    EXPECT_EQ(starts(), 0u);
    // Leaving and coming back before the release still starts it.
    button(0).OnLButtonDown({5, 5}, kLButton);
    button(0).OnMouseMove({500, 500}, kLButton);
    button(0).OnMouseMove({34, 34}, kLButton);
    button(0).OnLButtonUp({34, 34}, 0);
    EXPECT_EQ(starts(), 1u);
}

TEST_F(Buttons, ARightPressDuringALeftPressDragsTheButtonCentredUnderThePointer) {
    button(1).OnLButtonDown({5, 5}, kLButton);
    button(1).OnRButtonDown({5, 5}, kLButton | kRButton);
    EXPECT_EQ(button(1).m_moveMode, 1);
    EXPECT_EQ(button(1).m_pressed, 0);
    EXPECT_FALSE(h.platform.graphics.faces.back().pressed);
    // The pointer at client (20, 20) is screen (320, 220); half of 36 is 18.
    button(1).OnMouseMove({20, 20}, kLButton);
    EXPECT_EQ(window(1).rect, (plat::Rect{302, 202, 337, 237}));
    h.platform.log.clear();
    button(1).OnLButtonUp({18, 18}, 0);
    EXPECT_EQ(starts(), 0u);
    EXPECT_EQ(button(1).m_moveMode, 0);
    EXPECT_FALSE(h.platform.input.captured);
    EXPECT_FALSE(h.Calls("Windows.SetWindowPos topmost 302,202 35x35").empty())
        << "a topmost button is put back on top";
    // The new place is written at once.
    EXPECT_EQ(h.StoredString("Btn2", "Data"), "0,0,302,202,337,237");
}

TEST_F(Buttons, MovingWithOnlyTheLeftButtonNeverDrags) {
    button(0).OnLButtonDown({5, 5}, kLButton);
    button(0).OnMouseMove({400, 400}, kLButton);
    EXPECT_EQ(window(0).rect.left, 100);
}

TEST_F(Buttons, TheMoveCommandHandsTheNextPressToThePlatform) {
    EXPECT_EQ(button(0).OnNcHitTest({110, 210}), std::nullopt);
    button(0).OnCommand(ID_BUTTON_MOVE);
    EXPECT_EQ(button(0).OnNcHitTest({110, 210}), std::optional<int>(plat::hit::kCaption));
    button(0).OnNcLButtonDown();
    EXPECT_EQ(button(0).OnNcHitTest({110, 210}), std::nullopt);
    window(0).rect = {600, 600, 635, 635};  // where the platform's move left it
    button(0).OnExitSizeMove();
    EXPECT_EQ(h.StoredString("Btn1", "Data"), "0,0,600,600,635,635");
    button(0).OnLButtonDown({5, 5}, kLButton);
    button(0).OnLButtonUp({5, 5}, 0);
    EXPECT_EQ(starts(), 1u) << "afterwards a click starts the entry again";
}

TEST_F(Buttons, EveryPressOnlyBeepsWhileADialogIsOpen) {
    h.main().m_nOpenDialogs = 1;
    button(0).OnLButtonDown({5, 5}, kLButton);
    button(0).OnRButtonDown({5, 5}, 0);
    button(0).OnLButtonUp({5, 5}, 0);
    EXPECT_EQ(h.platform.system.beeps, 2);
    EXPECT_EQ(starts(), 0u);
    EXPECT_TRUE(h.platform.dialogs.menus.empty());
    EXPECT_EQ(button(0).m_pressed, 0);
}

TEST_F(Buttons, TheMenuCarriesItsItemsAndTheTopmostMark) {
    button(1).OnRButtonDown({3, 4}, 0);
    ASSERT_EQ(h.platform.dialogs.menus.size(), 1u);
    const auto& tracked = h.platform.dialogs.menus[0];
    EXPECT_EQ(tracked.at, (plat::Point{303, 204}));
    EXPECT_EQ(tracked.owner, button(1).Window());
    ASSERT_EQ(tracked.menu.size(), 5u);
    EXPECT_EQ(tracked.menu[0].text, "設定(&S)");
    EXPECT_EQ(tracked.menu[0].id, 103);
    EXPECT_EQ(tracked.menu[1].text, "ﾎﾞﾀﾝの移動(&M)");
    EXPECT_EQ(tracked.menu[1].id, 101);
    EXPECT_EQ(tracked.menu[2].text, "常に手前に表示(&T)");
    EXPECT_TRUE(tracked.menu[2].checked);
    EXPECT_EQ(tracked.menu[3].kind, plat::MenuItem::Kind::Separator);
    EXPECT_EQ(tracked.menu[4].text, "削除(&D)");
    EXPECT_EQ(tracked.menu[4].id, 102);
    button(0).OnRButtonDown({3, 4}, 0);
    EXPECT_FALSE(h.platform.dialogs.menus[1].menu[2].checked);
}

TEST_F(Buttons, TheTopmostToggleFlipsBitZeroOnlyAndIsWrittenAtOnce) {
    button(2).OnCommand(ID_BUTTON_TOPMOST);  // option 6
    EXPECT_EQ(button(2).Option(), 7);
    EXPECT_TRUE(window(2).topmost);
    EXPECT_EQ(h.StoredInt("Btn3", "Option"), 7);
    button(2).OnCommand(ID_BUTTON_TOPMOST);
    EXPECT_EQ(button(2).Option(), 6);
    EXPECT_FALSE(window(2).topmost);
}

// After a change only a window that stands outside the band it belongs in is placed again; the
// others keep their places in the z-order (and a thousand of them cost nothing).
TEST(TopBand, AToggleMovesOnlyItselfAndWhateverLeftItsBand) {
    Harness h;
    h.store().Put("Button", "Num", 4);
    for (int n = 1; n <= 4; ++n) h.StoreButton(n, "C:\\A.EXE", 100 * n, 10, 1);
    h.store().Put("Watch", "Show", 1);
    h.store().Put("Watch", "Positon", "600,40,720,100");
    h.store().Put("Watch", "TopMost", 1);
    ASSERT_TRUE(h.app.InitInstance());
    auto& windows = h.platform.windows;
    auto& buttons = h.main().m_buttons;
    ASSERT_TRUE(windows.Find(h.main().m_pWatch->Window())->topmost);
    const auto placed = [&] {
        std::vector<std::string> calls = h.Calls("Windows.SetWindowPos");
        for (auto& c : calls) c = c.substr(0, c.find(" flags"));
        return calls;
    };

    h.platform.log.clear();
    buttons[1]->OnCommand(ID_BUTTON_TOPMOST);
    EXPECT_EQ(placed(), std::vector<std::string>{"Windows.SetWindowPos notopmost 200,10 35x35"});

    // Something outside the program took the third button and the clock out of the top band.
    windows.Find(buttons[2]->Window())->topmost = false;
    windows.Find(h.main().m_pWatch->Window())->topmost = false;
    h.platform.log.clear();
    buttons[1]->OnCommand(ID_BUTTON_TOPMOST);
    EXPECT_EQ(placed(), (std::vector<std::string>{"Windows.SetWindowPos topmost 200,10 35x35",
                                                  "Windows.SetWindowPos topmost 300,10 35x35",
                                                  "Windows.SetWindowPos topmost 600,40 120x60"}));
    for (auto& b : buttons) EXPECT_TRUE(windows.Find(b->Window())->topmost);
    EXPECT_TRUE(windows.Find(h.main().m_pWatch->Window())->topmost);
}

TEST_F(Buttons, DeleteAfterOkRenumbersTheStoreAndCancelLeavesEverything) {
    h.platform.dialogs.messageBoxAnswers = {plat::mb::kIdCancel};
    bool countedOpen = false;
    button(0).OnCommand(ID_BUTTON_DELETE);
    EXPECT_EQ(h.main().ButtonCount(), 3);
    EXPECT_TRUE(h.Calls("Store.Write").empty());
    const auto& box = h.platform.dialogs.messageBoxes.back();
    EXPECT_EQ(box.text, "削除してもよろしいですか？");
    EXPECT_EQ(box.caption, "Vopdrant");
    EXPECT_EQ(box.type, 0x21u);
    (void)countedOpen;

    const plat::WindowRef gone = button(0).Window();
    button(0).OnCommand(ID_BUTTON_DELETE);  // answered OK
    EXPECT_EQ(h.main().ButtonCount(), 2);
    EXPECT_TRUE(h.platform.windows.Find(gone)->destroyed);
    EXPECT_EQ(h.StoredInt("Button", "Num"), 2);
    EXPECT_EQ(h.StoredString("Btn1", "AppName"), "C:\\B\\TWO.EXE");
    EXPECT_EQ(h.StoredString("Btn2", "AppName"), "D:\\DOCS\\MEMO.TXT");
    EXPECT_EQ(h.StoredString("Btn3", "AppName"), "D:\\DOCS\\MEMO.TXT");
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);
}

TEST_F(Buttons, DroppedFilesStartTheProgramOncePerFileInOrder) {
    button(0).OnDropFiles({"C:\\My Files\\a.txt", "C:\\b.txt", "D:\\表.doc"}, 0);
    ASSERT_EQ(starts(), 3u);
    EXPECT_EQ(h.platform.shell.executes[0].parameters, "\"C:\\My Files\\a.txt\"");
    EXPECT_EQ(h.platform.shell.executes[1].parameters, "\"C:\\b.txt\"");
    EXPECT_EQ(h.platform.shell.executes[2].parameters, "\"D:\\表.doc\"");
    for (const auto& call : h.platform.shell.executes) EXPECT_EQ(call.file, "C:\\TOOLS\\EDIT.EXE");
    // Whatever the counter says.
    h.main().m_nOpenDialogs = 1;
    button(0).OnDropFiles({"C:\\c.txt"}, 0);
    EXPECT_EQ(starts(), 4u);
}

constexpr unsigned kAdminKeys = kControl | kShift;
const std::string kFailed = "C:\\TOOLS\\EDIT.EXEの起動に失敗しました。";
const std::string kAsk = "ﾄﾞﾛｯﾌﾟされた 300 個のﾌｧｲﾙを 1 個ずつ起動します。よろしいですか？";

struct FloodCase {
    const char* name;
    std::size_t files;
    std::vector<plat::StartOutcome> results;  // the shell's answers in order; then a start
    unsigned keys;
    std::vector<int> answers;  // the user's answers to the boxes
    std::size_t starts;
    std::vector<std::string> boxes;  // the texts shown, in order
};
class Flood : public Buttons, public testing::WithParamInterface<FloodCase> {};

// A drop stops at the first start that fails (one box) or whose elevation the user refuses (no
// box); more than twenty files are started only when the user says yes, once.
TEST_P(Flood, StopsAtTheFirstFailureOrRefusalAndAsksOnceBeforeMoreThanTwenty) {
    const FloodCase& c = GetParam();
    std::vector<std::string> files;
    for (std::size_t i = 0; i < c.files; ++i) files.push_back("C:\\f" + std::to_string(i) + ".txt");
    h.platform.shell.executeResults.assign(c.results.begin(), c.results.end());
    h.platform.dialogs.messageBoxAnswers.assign(c.answers.begin(), c.answers.end());
    std::vector<int> open;  // the open-dialog count while each box is up
    h.platform.dialogs.whileMessageBox = [&](const auto&) {
        open.push_back(h.main().m_nOpenDialogs);
    };
    button(0).OnDropFiles(files, c.keys);
    EXPECT_EQ(starts(), c.starts);
    std::vector<std::string> texts;
    for (const auto& box : h.platform.dialogs.messageBoxes) texts.push_back(box.text);
    EXPECT_EQ(texts, c.boxes);
    for (std::size_t i = 0; i < texts.size() && i < open.size(); ++i) {
        // The question is the program's own confirmation; a failure box is the launcher's.
        const bool question = texts[i] == kAsk;
        EXPECT_EQ(open[i], question ? 1 : 0) << texts[i];
        EXPECT_EQ(h.platform.dialogs.messageBoxes[i].type, question ? 0x24u : 0x30u);
        EXPECT_EQ(h.platform.dialogs.messageBoxes[i].owner, button(0).Window());
    }
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);
    for (std::size_t i = 0; i < starts(); ++i)
        EXPECT_EQ(h.platform.shell.executes[i].parameters, "\"" + files[i] + "\"");
}

INSTANTIATE_TEST_SUITE_P(
    Drops, Flood,
    testing::Values(
        FloodCase{"TwentyStartWithoutAQuestion", 20, {}, 0, {}, 20, {}},
        FloodCase{"RefusedElevationEndsTheDropWithoutABox",
                  5,
                  {plat::StartOutcome::Started(), plat::StartOutcome::Cancelled()},
                  kAdminKeys,
                  {},
                  2,
                  {}},
        FloodCase{"FailureEndsTheDropWithOneBox",
                  5,
                  {plat::StartOutcome::Started(), plat::StartOutcome::Failed()},
                  0,
                  {},
                  2,
                  {kFailed}},
        FloodCase{
            "ThreeHundredAskFirstAndNoStartsNothing", 300, {}, 0, {plat::mb::kIdNo}, 0, {kAsk}},
        FloodCase{
            "ThreeHundredAskFirstAndYesStartsThemAll", 300, {}, 0, {plat::mb::kIdYes}, 300, {kAsk}},
        FloodCase{"ThreeHundredBrokenOnesShowOneBoxAfterTheQuestion",
                  300,
                  {plat::StartOutcome::Failed()},
                  0,
                  {plat::mb::kIdYes},
                  1,
                  {kAsk, kFailed}},
        FloodCase{"ThreeHundredRefusedElevationsEndAtTheFirst",
                  300,
                  {plat::StartOutcome::Cancelled()},
                  kAdminKeys,
                  {plat::mb::kIdYes},
                  1,
                  {kAsk}}),
    [](const auto& info) { return std::string(info.param.name); });

// Ctrl and Shift together, at the release or the drop; either alone is a plain start.
TEST_F(Buttons, CtrlShiftClickAndDropStartAsAdministratorAndOneOfTheKeysAloneDoesNot) {
    const unsigned both = kControl | kShift;
    for (unsigned keys : {both, both | kLButton, kControl, kShift, 0u}) {
        button(0).OnLButtonDown({5, 5}, kLButton);
        button(0).OnLButtonUp({5, 5}, keys);
        button(0).OnDropFiles({"C:\\a.txt"}, keys);
    }
    std::vector<std::string> verbs;
    for (const auto& call : h.platform.shell.executes) verbs.push_back(call.verb);
    EXPECT_EQ(verbs, (std::vector<std::string>{"runas", "runas", "runas", "runas", "", "", "", "",
                                               "", ""}));
    EXPECT_EQ(h.platform.shell.executes[1].parameters, "\"C:\\a.txt\"");
}

TEST_F(Buttons, TheFaceCarriesTheIconOrIsBareWhenThereIsNone) {
    button(0).DrawFace();
    EXPECT_NE(h.platform.graphics.faces.back().icon, 0u);
    EXPECT_EQ(h.platform.graphics.faces.back().size, 36);
    button(1).DrawFace();  // TWO.EXE does not exist and the shell has nothing for it
    h.platform.icons.files.clear();
    ButtonInfo empty;
    empty.size = plat::Dip(36);
    button(0).ApplyInfo(empty, 0);
    button(0).DrawFace();
    EXPECT_EQ(h.platform.graphics.faces.back().icon, 0u);
}

TEST_F(Buttons, GetInfoReportsWhereTheWindowStandsNow) {
    button(0).MoveTo(40, 50);
    ButtonInfo info;
    int option = 0;
    button(0).GetInfo(info, option);
    EXPECT_EQ(info.at, (plat::Point{40, 50}));
    EXPECT_EQ(info.extent, (plat::DipSize{plat::Dip(35), plat::Dip(35)}));
    button(0).SetButtonSize(plat::Dip(48));
    button(0).GetInfo(info, option);
    EXPECT_EQ(info.at, (plat::Point{40, 50}));
    EXPECT_EQ(info.extent, (plat::DipSize{plat::Dip(47), plat::Dip(47)}));
    EXPECT_EQ(info.size, plat::Dip(48));
}

// A button is no dialog: Enter and Escape never reach it as commands. What can reach it is a close
// request (Alt+F4 on a button with the focus), which ends nothing and changes nothing.
TEST_F(Buttons, ACloseRequestNeverEndsAButtonNorStartsOrStoresAnything) {
    h.platform.log.clear();
    EXPECT_FALSE(button(0).OnClose());
    EXPECT_FALSE(window(0).destroyed);
    EXPECT_EQ(h.main().ButtonCount(), 3);
    EXPECT_TRUE(h.platform.shell.executes.empty());
    EXPECT_TRUE(h.platform.dialogs.messageBoxes.empty());
    EXPECT_TRUE(h.Calls("Store.Write").empty());
}

}  // namespace
