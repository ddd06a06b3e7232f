#include <gtest/gtest.h>

#include "clock/WatchWnd.h"
#include "res/Dialogs.h"
#include "res/Resource.h"
#include "tests/unit/Harness.h"

namespace {

using plat::AccessibleRole;

struct Entry {
    const char* name;
    const char* title;
    const char* appName;
    std::string spoken;       // what a screen reader calls the button
    std::string description;  // the path it starts
};

class ButtonWords : public testing::TestWithParam<Entry> {};

TEST_P(ButtonWords, AButtonIsAPushButtonNamedAfterItsEntryThatStartsIt) {
    const Entry& e = GetParam();
    Harness h;
    h.store().Put("Button", "Num", 1);
    h.StoreButton(1, e.appName, 100, 200);
    if (*e.title != '\0') h.store().Put("Btn1", "Title", e.title);
    ASSERT_TRUE(h.app.InitInstance());
    CLaunchButton& button = *h.main().m_buttons[0];

    ASSERT_EQ(button.Accessible(), &button);
    const plat::AccessibleFacts facts = button.OnDescribe();
    EXPECT_EQ(facts.role, AccessibleRole::PushButton);
    EXPECT_EQ(facts.name, e.spoken);
    EXPECT_EQ(facts.description, e.description);
    EXPECT_EQ(facts.defaultAction, "起動");
    EXPECT_TRUE(facts.focusable);
    // Where a reader does not ask the object, it reads the window's text.
    EXPECT_EQ(h.platform.windows.Find(button.Window())->text, e.spoken);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ButtonWords,
    testing::Values(Entry{"Titled", "エディタ", "C:\\TOOLS\\EDIT.EXE", "エディタ",
                          "C:\\TOOLS\\EDIT.EXE"},
                    Entry{"Untitled", "", "C:\\TOOLS\\EDIT.EXE", "EDIT.EXE", "C:\\TOOLS\\EDIT.EXE"},
                    Entry{"UntitledDocumentInAJapaneseFolder", "", "D:\\書類\\メモ.txt", "メモ.txt",
                          "D:\\書類\\メモ.txt"},
                    // The description is the path as it is started on this PC.
                    Entry{"Travelling", "", "%USERPROFILE%\\bin\\tool.exe", "tool.exe",
                          "C:\\Users\\Ann\\bin\\tool.exe"},
                    Entry{"NoFileName", "", "C:\\", "C:\\", "C:\\"}),
    [](const auto& info) { return std::string(info.param.name); });

class Reader : public testing::Test {
  protected:
    void SetUp() override {
        h.store().Put("Button", "Num", 2);
        h.StoreButton(1, "C:\\TOOLS\\EDIT.EXE", 100, 200);
        h.store().Put("Btn1", "Parm", "-n");
        h.StoreButton(2, "D:\\DOCS\\MEMO.TXT", 300, 200);
        ASSERT_TRUE(h.app.InitInstance());
        h.platform.log.clear();
    }
    CLaunchButton& button(int i) { return *h.main().m_buttons[static_cast<std::size_t>(i)]; }
    fake::FakeWindow& window(int i) { return *h.platform.windows.Find(button(i).Window()); }
    Harness h;
};

TEST_F(Reader, TheDefaultActionStartsTheEntryAsAClickDoes) {
    button(0).OnLButtonDown({5, 5}, plat::mk::kLButton);
    button(0).OnLButtonUp({5, 5}, 0);
    ASSERT_EQ(h.platform.shell.executes.size(), 1u);
    button(0).OnDefaultAction();
    ASSERT_EQ(h.platform.shell.executes.size(), 2u);
    EXPECT_EQ(h.platform.shell.executes[1], h.platform.shell.executes[0]);
    EXPECT_EQ(h.platform.shell.executes[1].file, "C:\\TOOLS\\EDIT.EXE");
    EXPECT_EQ(h.platform.shell.executes[1].parameters, "-n");
}

TEST_F(Reader, TheDefaultActionIsRefusedWhileADialogIsOpen) {
    h.main().m_nOpenDialogs = 1;
    button(0).OnDefaultAction();
    EXPECT_TRUE(h.platform.shell.executes.empty());
    EXPECT_EQ(h.platform.system.beeps, 1);
}

TEST_F(Reader, AnEditedTitleRenamesTheWindowOnceAndAnUnchangedEditSaysNothing) {
    const int before = window(0).nameChanges;
    h.platform.dialogs.dialogScripts.push_back([](fake::FakeDialog& d) {
        d.Type(dlg::kSetTitle, "エディタ");
        d.Click(plat::mb::kIdOk);
    });
    button(0).OnCommand(ID_BUTTON_SETTINGS);
    EXPECT_EQ(window(0).text, "エディタ");
    EXPECT_EQ(button(0).OnDescribe().name, "エディタ");
    EXPECT_EQ(window(0).nameChanges, before + 1);

    h.platform.dialogs.dialogScripts.push_back(
        [](fake::FakeDialog& d) { d.Click(plat::mb::kIdOk); });
    button(0).OnCommand(ID_BUTTON_SETTINGS);
    EXPECT_EQ(window(0).nameChanges, before + 1);

    // A title taken away names it after its file again.
    h.platform.dialogs.dialogScripts.push_back([](fake::FakeDialog& d) {
        d.Type(dlg::kSetTitle, "");
        d.Click(plat::mb::kIdOk);
    });
    button(0).OnCommand(ID_BUTTON_SETTINGS);
    EXPECT_EQ(window(0).text, "EDIT.EXE");
    EXPECT_EQ(window(0).nameChanges, before + 2);
}

TEST_F(Reader, StartUpNamesEachButtonOnce) {
    Harness fresh;
    fresh.store().Put("Button", "Num", 3);
    for (int n = 1; n <= 3; ++n) fresh.StoreButton(n, "C:\\A" + std::to_string(n) + ".EXE", 0, 0);
    ASSERT_TRUE(fresh.app.InitInstance());
    EXPECT_EQ(fresh.Calls("Windows.SetText"),
              (std::vector<std::string>{"Windows.SetText A1.EXE", "Windows.SetText A2.EXE",
                                        "Windows.SetText A3.EXE"}));
}

TEST_F(Reader, TheClockIsStaticTextNamedByTheTimeItShowsRenamedOnlyWhenTheMinuteTurns) {
    h.platform.clock.now = {2026, 3, 4, 9, 7, 12};
    h.main().OnCommand(ID_CLOCK);
    CWatchWnd& clock = *h.main().m_pWatch;
    const fake::FakeWindow& w = *h.platform.windows.Find(clock.Window());
    EXPECT_EQ(w.text, "03/04 09:07");
    const plat::AccessibleFacts facts = clock.Accessible()->OnDescribe();
    EXPECT_EQ(facts.role, AccessibleRole::StaticText);
    EXPECT_EQ(facts.name, "03/04 09:07");
    EXPECT_TRUE(facts.defaultAction.empty());
    EXPECT_FALSE(facts.focusable);

    h.platform.clock.now.second = 13;
    clock.OnTimer(1);
    EXPECT_EQ(w.nameChanges, 0) << "a tick within the minute";
    h.platform.clock.now = {2026, 3, 4, 9, 8, 0};
    clock.OnTimer(1);
    EXPECT_EQ(w.text, "03/04 09:08");
    EXPECT_EQ(w.nameChanges, 1);
}

// --- The tray icon from the keyboard -------------------------------------------------------

struct TrayKey {
    const char* name;
    int event;
};

class TrayKeys : public testing::TestWithParam<TrayKey> {
  protected:
    void SetUp() override {
        h.store().Put("Button", "Num", 2);
        h.StoreButton(1, "C:\\A.EXE", 0, 0);
        h.StoreButton(2, "C:\\B.EXE", 50, 0);
        ASSERT_TRUE(h.app.InitInstance());
        h.platform.input.cursor = {10, 10};
        h.platform.log.clear();
    }
    Harness h;
};

TEST_P(TrayKeys, OpenTheRightClickMenuAtTheIconAndGiveTheKeyboardBackAfter) {
    h.main().OnTrayEvent(GetParam().event, {1890, 1050});
    ASSERT_EQ(h.platform.dialogs.menus.size(), 1u);
    EXPECT_EQ(h.platform.dialogs.menus[0].menu, h.main().BuildTrayMenu());
    EXPECT_EQ(h.platform.dialogs.menus[0].at, (plat::Point{1890, 1050}));
    EXPECT_EQ(h.Calls("Input.SetForegroundWindow").size(), 1u);
    EXPECT_EQ(h.platform.tray.focusReturns, 1);
    EXPECT_LT(h.IndexOf("Dialogs.TrackPopupMenu"), h.IndexOf("Tray.ReturnFocus"));
}

TEST_P(TrayKeys, ASecondWordOfTheSameKeyWhileTheMenuIsOpenOpensNoOther) {
    h.platform.dialogs.whileMenu = [&](const fake::TrackedMenu&) {
        h.main().OnTrayEvent(GetParam().event, {1890, 1050});
    };
    h.main().OnTrayEvent(GetParam().event, {1890, 1050});
    EXPECT_EQ(h.platform.dialogs.menus.size(), 1u);
    EXPECT_EQ(h.platform.tray.focusReturns, 1);
}

TEST_P(TrayKeys, AreRefusedWhileADialogIsOpen) {
    h.main().m_nOpenDialogs = 1;
    h.main().OnTrayEvent(GetParam().event, {1890, 1050});
    EXPECT_TRUE(h.platform.dialogs.menus.empty());
    EXPECT_EQ(h.platform.system.beeps, 1);
}

INSTANTIATE_TEST_SUITE_P(Keys, TrayKeys,
                         testing::Values(TrayKey{"EnterOrSpace", plat::tray::kKeySelect},
                                         TrayKey{"ShiftF10OrMenuKey", plat::tray::kContextMenu}),
                         [](const auto& info) { return std::string(info.param.name); });

using TrayMouse = TrayKeys;

// The shell tells a right click as the press, the release and then a context menu of its own:
// one menu, opened by the press at the pointer, and the keyboard stays where it was.
TEST_F(TrayMouse, ARightClickOpensOneMenuAtThePointerWhateverTheShellAddsAfterIt) {
    h.platform.dialogs.whileMenu = [&](const fake::TrackedMenu&) {
        h.main().OnTrayEvent(plat::tray::kRButtonUp, {1890, 1050});
        h.main().OnTrayEvent(plat::tray::kContextMenu, {1890, 1050});
    };
    h.main().OnTrayEvent(plat::tray::kRButtonDown, {1890, 1050});
    h.platform.dialogs.whileMenu = nullptr;
    ASSERT_EQ(h.platform.dialogs.menus.size(), 1u);
    EXPECT_EQ(h.platform.dialogs.menus[0].at, (plat::Point{10, 10}));
    EXPECT_EQ(h.platform.tray.focusReturns, 0);

    // The same words after the menu has closed, as a slower shell sends them.
    h.main().OnTrayEvent(plat::tray::kRButtonDown, {1890, 1050});
    h.main().OnTrayEvent(plat::tray::kRButtonUp, {1890, 1050});
    h.main().OnTrayEvent(plat::tray::kContextMenu, {1890, 1050});
    EXPECT_EQ(h.platform.dialogs.menus.size(), 2u);

    // The next Shift+F10 is a key again.
    h.main().OnTrayEvent(plat::tray::kContextMenu, {1890, 1050});
    EXPECT_EQ(h.platform.dialogs.menus.size(), 3u);
    EXPECT_EQ(h.platform.tray.focusReturns, 1);
}

TEST_F(TrayMouse, AClickAndItsSelectLeaveTheButtonsAsTheyAre) {
    for (int event : {513, 514, 0x400}) h.main().OnTrayEvent(event, {1890, 1050});
    EXPECT_TRUE(h.platform.dialogs.menus.empty());
    EXPECT_TRUE(h.main().m_bButtonsShown);
}

}  // namespace
