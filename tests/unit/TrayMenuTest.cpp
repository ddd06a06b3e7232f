#include <gtest/gtest.h>

#include "clock/WatchWnd.h"
#include "res/Dialogs.h"
#include "res/Resource.h"
#include "tests/unit/Harness.h"

namespace {

using plat::MenuItem;

// A menu flattened to one line per item, submenus indented: easy to read in a failure.
void Flatten(const plat::Menu& menu, const std::string& indent, std::vector<std::string>& out) {
    for (const MenuItem& item : menu) {
        switch (item.kind) {
            case MenuItem::Kind::Separator:
                out.push_back(indent + "---");
                break;
            case MenuItem::Kind::Command:
                out.push_back(indent + item.text + " " + std::to_string(item.id) +
                              (item.checked ? " checked" : ""));
                break;
            case MenuItem::Kind::Submenu:
                out.push_back(indent + item.text + " >");
                Flatten(item.items, indent + "  ", out);
                break;
        }
    }
}

struct MenuCase {
    const char* name;
    int buttons;
    bool shown;
    bool clock;
    std::vector<std::string> lines;
};

const std::vector<std::string> kTail = {
    "ﾎｯﾄｷｰの設定(&K)... 117",   "---", "設定のｴｸｽﾎﾟｰﾄ(&E)... 115",
    "設定のｲﾝﾎﾟｰﾄ(&I)... 116",  "---", "ﾍﾙﾌﾟ(&H) 57670",
    "ﾊﾞｰｼﾞｮﾝ情報(&A)... 57664", "---", "Brisaltoの終了(&X) 57665"};

std::vector<std::string> With(std::vector<std::string> head) {
    head.insert(head.end(), kTail.begin(), kTail.end());
    return head;
}

class TrayMenuShape : public testing::TestWithParam<MenuCase> {};

TEST_P(TrayMenuShape, ListsItsItemsInOrderWithTheirIds) {
    const MenuCase& c = GetParam();
    Harness h;
    h.store().Put("Button", "Num", c.buttons);
    ASSERT_TRUE(h.app.InitInstance());
    h.main().m_bButtonsShown = c.shown;
    if (c.clock) h.main().OnCommand(ID_CLOCK);
    std::vector<std::string> lines;
    Flatten(h.main().BuildTrayMenu(), "", lines);
    EXPECT_EQ(lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, TrayMenuShape,
    testing::Values(
        MenuCase{"NoButtons", 0, true, false, With({"ﾎﾞﾀﾝの追加(&B) 104", "---", "時計(&W) 113"})},
        MenuCase{"OneButtonWithClock", 1, true, true,
                 With({"ﾎﾞﾀﾝの追加(&B) 104", "---", "時計(&W) 113 checked"})},
        MenuCase{"TwoButtons", 2, true, false,
                 With({"ﾎﾞﾀﾝの追加(&B) 104", "整列(&A) >", "  横に整列(上)(&T) 106",
                       "  横に整列(下)(&B) 111", "  ---", "  縦に整列(左)(&L) 109",
                       "  縦に整列(右)(&R) 112", "  ---", "  ﾎﾞﾀﾝを散乱(&S) 108", "  ---",
                       "  順序(&O) 110", "  ﾎﾞﾀﾝｻｲｽﾞを揃える(&S) 114", "---", "時計(&W) 113"})},
        MenuCase{"HiddenButtons", 2, false, false, With({"時計(&W) 113"})},
        MenuCase{"HiddenButtonsWithClock", 3, false, true, With({"時計(&W) 113 checked"})}),
    [](const auto& info) { return std::string(info.param.name); });

class Tray : public testing::Test {
  protected:
    void Start(int buttons = 0) {
        h.store().Put("Button", "Num", buttons);
        ASSERT_TRUE(h.app.InitInstance());
    }
    Harness h;
};

TEST_F(Tray, TheIconIsAddedWhileTheWindowIsCreatedAndItsHandleReleased) {
    const int live = fake::FakeIcons::LiveIcons();
    Start();
    ASSERT_EQ(h.platform.tray.shows.size(), 1u);
    const auto& e = h.platform.tray.shows[0];
    EXPECT_EQ(e.window, h.main().Window());
    EXPECT_NE(e.icon, 0u);
    EXPECT_EQ(e.tip, "Brisalto");
    EXPECT_EQ(h.Calls("System.LoadResourceIcon"),
              std::vector<std::string>{"System.LoadResourceIcon 138 16x16"});
    EXPECT_EQ(fake::FakeIcons::LiveIcons(), live);
}

TEST_F(Tray, ARestartedShellGetsTheSameIconBack) {
    Start();
    const auto first = *h.platform.tray.shown;
    h.platform.tray.shown.reset();  // the shell's new notification area is empty
    h.main().OnTaskbarCreated();
    ASSERT_TRUE(h.platform.tray.shown.has_value());
    EXPECT_EQ(h.platform.tray.shown->tip, first.tip);
    EXPECT_EQ(h.platform.tray.shown->window, first.window);
}

TEST_F(Tray, AFailedAddLeavesTheProgramRunning) {
    h.platform.tray.succeeds = false;
    Start();
    EXPECT_NE(h.app.MainWnd(), nullptr);
}

TEST_F(Tray, ShutdownRemovesTheIcon) {
    Start();
    h.main().SaveOnExit();
    EXPECT_FALSE(h.platform.tray.shown.has_value());
    EXPECT_EQ(h.Calls("Tray."), (std::vector<std::string>{"Tray.Show", "Tray.Remove"}));
}

TEST_F(Tray, RightClickTracksTheMenuAtTheCursorAfterBringingTheProgramForward) {
    Start();
    h.platform.input.cursor = {1000, 760};
    h.main().OnTrayEvent(plat::tray::kRButtonDown, {});
    ASSERT_EQ(h.platform.dialogs.menus.size(), 1u);
    EXPECT_EQ(h.platform.dialogs.menus[0].at, (plat::Point{1000, 760}));
    EXPECT_EQ(h.platform.dialogs.menus[0].owner, h.main().Window());
    EXPECT_EQ(h.platform.dialogs.menus[0].menu, h.main().BuildTrayMenu());
    ASSERT_EQ(h.platform.input.foreground.size(), 1u);
    EXPECT_EQ(h.platform.input.foreground[0], h.main().Window());
    EXPECT_LT(h.IndexOf("Input.SetForegroundWindow"), h.IndexOf("Dialogs.TrackPopupMenu"));
}

TEST_F(Tray, OtherMouseEventsDoNothing) {
    Start(2);
    h.platform.log.clear();
    for (int event : {512, 513, 514, 517, 0, -1}) h.main().OnTrayEvent(event, {});
    EXPECT_TRUE(h.platform.log.empty());
}

TEST_F(Tray, DoubleClickWithNoButtonsLeavesTheFlagAlone) {
    Start();
    h.main().OnTrayEvent(plat::tray::kLButtonDblClk, {});
    EXPECT_TRUE(h.main().m_bButtonsShown);
    EXPECT_TRUE(h.Calls("Windows.ShowWindow 5").empty());
}

TEST_F(Tray, DoubleClicksHideAndShowEveryButton) {
    Start(3);
    h.platform.log.clear();
    h.main().OnTrayEvent(plat::tray::kLButtonDblClk, {});
    EXPECT_FALSE(h.main().m_bButtonsShown);
    EXPECT_EQ(h.Calls("Windows.ShowWindow 0").size(), 3u);
    h.main().OnTrayEvent(plat::tray::kLButtonDblClk, {});
    EXPECT_TRUE(h.main().m_bButtonsShown);
    EXPECT_EQ(h.Calls("Windows.ShowWindow 5").size(), 3u);
}

// While a dialog of the program is open, every entry point beeps and does nothing else.
TEST_F(Tray, EveryEntryPointIsRefusedWhileADialogIsOpen) {
    Start(2);
    h.main().m_nOpenDialogs = 1;
    h.platform.log.clear();
    h.main().OnTrayEvent(plat::tray::kRButtonDown, {});
    h.main().OnTrayEvent(plat::tray::kLButtonDblClk, {});
    EXPECT_EQ(h.platform.log,
              (std::vector<std::string>{"System.Beep 40,100", "System.Beep 40,100"}));
    EXPECT_TRUE(h.main().m_bButtonsShown);
    EXPECT_TRUE(h.platform.dialogs.menus.empty());
}

TEST_F(Tray, TheAboutBoxCountsAsOpenWhileItRunsAndShowsTheVersion) {
    Start();
    h.platform.system.programVersion = "2.3.4";
    bool checked = false;
    h.platform.dialogs.dialogScripts.push_back([&](fake::FakeDialog& d) {
        EXPECT_EQ(h.main().m_nOpenDialogs, 1);
        EXPECT_EQ(d.ItemText(dlg::kAboutVersion), "ﾊﾞｰｼﾞｮﾝ 2.3.4");
        // A right-click on the tray icon beeps; exit is refused; a close from outside too.
        h.main().OnTrayEvent(plat::tray::kRButtonDown, {});
        h.main().OnCommand(ID_APP_EXIT);
        h.main().OnClose();
        EXPECT_EQ(h.platform.system.beeps, 1);
        EXPECT_TRUE(h.platform.dialogs.menus.empty());
        EXPECT_EQ(h.platform.dialogs.messageBoxes.size(), 2u);
        EXPECT_TRUE(h.Calls("Windows.DestroyWindow").empty());
        EXPECT_TRUE(h.Calls("Store.Write").empty());
        d.Click(plat::mb::kIdOk);
        checked = true;
    });
    h.main().OnCommand(ID_APP_ABOUT);
    EXPECT_TRUE(checked);
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);
    ASSERT_EQ(h.platform.dialogs.templates.size(), 1u);
    EXPECT_EQ(h.platform.dialogs.templates[0]->id, IDD_ABOUTBOX);
    EXPECT_EQ(h.platform.dialogs.templates[0]->caption, "Brisalto のﾊﾞｰｼﾞｮﾝ情報");
    // Closed, the program answers again.
    h.main().OnCommand(ID_APP_EXIT);
    EXPECT_TRUE(h.platform.windows.quitPosted);
}

TEST(AboutBox, TheTemplateNamesTheProgramAndItsMakerBetweenTheRules) {
    const plat::DialogTemplate& t = dlg::About();
    EXPECT_EQ(t.cx, 197);
    EXPECT_EQ(t.cy, 115);
    EXPECT_EQ(t.font, "ＭＳ Ｐゴシック");
    std::vector<int> rules;
    int product = -1, maker = -1, version = -1;
    for (const auto& c : t.controls) {
        if (c.cy == 1) rules.push_back(c.y);
        if (c.text == "Brisalto") product = c.y;
        if (c.text == "Kestrowave") maker = c.y;
        if (c.id == dlg::kAboutVersion) version = c.y;
    }
    EXPECT_EQ(rules, (std::vector<int>{36, 57, 92}));
    for (int y : {product, maker, version}) {
        EXPECT_GT(y, 36);
        EXPECT_LT(y + 10, 92);
    }
}

}  // namespace

namespace {

struct HelpCase {
    const char* name;
    std::vector<std::string> files;  // beside the program
    bool winHelpWorks;
    bool guideOpens;
    const char* opened;  // "hlp", "html" or "none"
};
class Help : public testing::TestWithParam<HelpCase> {};

TEST_P(Help, OpensTheClassicFileTheGuideOrSaysItFailed) {
    const HelpCase& c = GetParam();
    Harness h;
    h.platform.system.programPath = "C:\\ツール\\Brisalto.exe";
    for (const auto& f : c.files) h.platform.system.existingFiles.push_back("C:\\ツール\\" + f);
    h.platform.system.winHelpSucceeds = c.winHelpWorks;
    if (!c.guideOpens) h.platform.shell.executeResult = plat::StartOutcome::Failed();
    ASSERT_TRUE(h.app.InitInstance());
    h.main().OnCommand(ID_HELP_FINDER);
    const std::string opened = c.opened;
    if (opened == "hlp") {
        EXPECT_EQ(h.Calls("System.WinHelp"),
                  std::vector<std::string>{"System.WinHelp C:\\ツール\\Brisalto.HLP"});
        EXPECT_TRUE(h.platform.shell.executes.empty());
    }
    if (opened == "html") {
        ASSERT_EQ(h.platform.shell.executes.size(), 1u);
        EXPECT_EQ(h.platform.shell.executes[0].file, "C:\\ツール\\Brisalto.html");
    }
    if (opened == "none") {
        ASSERT_EQ(h.platform.dialogs.messageBoxes.size(), 1u);
        EXPECT_EQ(h.platform.dialogs.messageBoxes[0].text, "ﾍﾙﾌﾟの起動に失敗しました。");
        EXPECT_EQ(h.platform.dialogs.messageBoxes[0].caption, "Vopdrant");
    } else {
        EXPECT_TRUE(h.platform.dialogs.messageBoxes.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, Help,
    testing::Values(HelpCase{"ClassicFile", {"Brisalto.HLP", "Brisalto.html"}, true, true, "hlp"},
                    HelpCase{"NoWinHelp", {"Brisalto.HLP", "Brisalto.html"}, false, true, "html"},
                    HelpCase{"GuideOnly", {"Brisalto.html"}, true, true, "html"},
                    HelpCase{"GuideWontOpen", {"Brisalto.html"}, true, false, "none"},
                    HelpCase{"Nothing", {}, true, true, "none"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
