#include <gtest/gtest.h>

#include "res/Dialogs.h"
#include "res/Resource.h"
#include "res/Texts.h"
#include "tests/unit/Harness.h"

namespace {

TEST(Startup, FixesTheStoreLocationBeforeAnythingElse) {
    Harness h;
    h.StoreButton(1, "C:\\A\\ONE.EXE", 10, 20);
    h.store().Put("Button", "Num", 1);
    ASSERT_TRUE(h.app.InitInstance());
    ASSERT_FALSE(h.platform.log.empty());
    EXPECT_EQ(h.platform.log.front(), "Store.SetLocation Software\\Kestrowave\\Vopdrant");
    EXPECT_FALSE(h.store().touchedBeforeLocation);
}

TEST(Startup, AnEmptyStoreGivesAHiddenMainWindowAndNoButtons) {
    Harness h;
    ASSERT_TRUE(h.app.InitInstance());
    ASSERT_EQ(h.platform.windows.windows.size(), 1u);
    const fake::FakeWindow& w = h.platform.windows.windows.begin()->second;
    EXPECT_EQ(w.text, "Brisalt");
    EXPECT_EQ(w.events, &h.main()) << "the hidden main window, not a popup";
    EXPECT_FALSE(w.spec.has_value());
    EXPECT_EQ(h.platform.input.watching, h.main().Window()) << "the foreground is watched";
    EXPECT_FALSE(w.visible);
    EXPECT_EQ(h.main().ButtonCount(), 0);
    EXPECT_EQ(h.main().m_pWatch, nullptr);
    EXPECT_TRUE(h.main().m_bButtonsShown);
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);
    EXPECT_TRUE(h.platform.dialogs.messageBoxes.empty());
    EXPECT_TRUE(h.Calls("Store.Write").empty());
}

struct Refusal {
    const char* name;
    std::vector<std::string> foreignCaptions;
    int majorVersion;
    const char* message;  // nullptr: start-up goes on
};

class StartupRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(StartupRefusal, ShowsItsMessageAndCreatesAndWritesNothing) {
    const Refusal& r = GetParam();
    Harness h;
    h.platform.system.foreignCaptions = r.foreignCaptions;
    h.platform.system.majorVersion = r.majorVersion;
    const bool started = h.app.InitInstance();
    if (r.message == nullptr) {
        EXPECT_TRUE(started);
        EXPECT_TRUE(h.platform.dialogs.messageBoxes.empty());
        return;
    }
    EXPECT_FALSE(started);
    ASSERT_EQ(h.platform.dialogs.messageBoxes.size(), 1u);
    const auto& box = h.platform.dialogs.messageBoxes[0];
    EXPECT_EQ(box.text, r.message);
    EXPECT_EQ(box.caption, "Vopdrant");
    EXPECT_EQ(box.type, plat::mb::kOk | plat::mb::kIconExclamation);
    EXPECT_TRUE(h.platform.windows.windows.empty());
    EXPECT_TRUE(h.Calls("Store.Read").empty());
    EXPECT_TRUE(h.Calls("Store.Write").empty());
    EXPECT_EQ(h.app.MainWnd(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, StartupRefusal,
    testing::Values(Refusal{"SecondInstance", {"Brisalt"}, 10, "すでに起動しています。"},
                    Refusal{"ClockOfARunningInstanceDoesNotMatch", {"Brisalto"}, 10, nullptr},
                    Refusal{"Version3", {}, 3, "このﾊﾞｰｼﾞｮﾝのOSでは起動できません。"},
                    Refusal{"FailedVersionQuery", {}, 0, "このﾊﾞｰｼﾞｮﾝのOSでは起動できません。"},
                    Refusal{"Version4", {}, 4, nullptr},
                    Refusal{"InstanceBeforeVersion", {"Brisalt"}, 3, "すでに起動しています。"}),
    [](const auto& info) { return std::string(info.param.name); });

// Two starts close together both find no window yet: the lock, taken first, decides.
TEST(Startup, ALockHeldByAnotherStartRefusesBeforeAnyWindowExists) {
    Harness h;
    h.platform.system.heldLocks = {"Kestrowave.Vopdrant.Brisalto"};
    EXPECT_FALSE(h.app.InitInstance());
    ASSERT_EQ(h.platform.dialogs.messageBoxes.size(), 1u);
    EXPECT_EQ(h.platform.dialogs.messageBoxes[0].text, "すでに起動しています。");
    EXPECT_TRUE(h.platform.windows.windows.empty());
    EXPECT_TRUE(h.Calls("Store.Read").empty());
    EXPECT_TRUE(h.Calls("System.RegisterRestart").empty());

    // The start that holds it goes on, and asks to be started again after an update's restart.
    Harness first;
    ASSERT_TRUE(first.app.InitInstance());
    EXPECT_EQ(first.platform.system.heldLocks,
              std::vector<std::string>{"Kestrowave.Vopdrant.Brisalto"});
    EXPECT_LT(first.IndexOf("System.TakeInstanceLock Kestrowave.Vopdrant.Brisalto"),
              first.IndexOf("Windows.CreateMainWindow Brisalt"));
    EXPECT_EQ(first.Calls("System.RegisterRestart").size(), 1u);
}

TEST(Startup, AMainWindowThatCannotBeCreatedEndsStartUp) {
    Harness h;
    h.platform.windows.failCreate = true;
    EXPECT_FALSE(h.app.InitInstance());
    EXPECT_EQ(h.app.Run(), 0);
}

TEST(Startup, LoadsEveryStoredButtonInOrder) {
    Harness h;
    h.store().Put("Button", "Num", 3);
    h.StoreButton(1, "C:\\A\\ONE.EXE", 10, 20);
    h.StoreButton(2, "C:\\B\\TWO.EXE", 30, 40, 1);
    // Btn3 is missing: it still gives a button, with every default.
    ASSERT_TRUE(h.app.InitInstance());
    ASSERT_EQ(h.main().ButtonCount(), 3);
    ButtonInfo info;
    int option = 0;
    h.main().m_buttons[1]->GetInfo(info, option);
    EXPECT_EQ(info.appName, "C:\\B\\TWO.EXE");
    EXPECT_EQ(option, 1);
    h.main().m_buttons[2]->GetInfo(info, option);
    EXPECT_EQ(info.appName, "");
    EXPECT_EQ(info.size, plat::Dip(36));
    // Placed at the top-left corner; right and bottom come from the window.
    EXPECT_EQ(info.at, (plat::Point{0, 0}));
    EXPECT_EQ(info.extent, (plat::DipSize{plat::Dip(35), plat::Dip(35)}));
}

struct CountCase {
    int stored;
    int loaded;
};
class StoredCount : public testing::TestWithParam<CountCase> {};

TEST_P(StoredCount, IsRepairedSoLoadingNeitherMisCountsNorStalls) {
    Harness h;
    h.store().Put("Button", "Num", GetParam().stored);
    ASSERT_TRUE(h.app.InitInstance());
    EXPECT_EQ(h.main().ButtonCount(), GetParam().loaded);
    // An addition after a repaired count numbers the sections from there on.
    h.main().CreateButton(ButtonInfo{}, 0);
    h.main().SaveButtonList();
    EXPECT_EQ(h.StoredInt("Button", "Num"), GetParam().loaded + 1);
}

INSTANTIATE_TEST_SUITE_P(Values, StoredCount,
                         testing::Values(CountCase{-5, 0}, CountCase{INT_MIN, 0}, CountCase{0, 0},
                                         CountCase{2, 2}));

TEST(ButtonBound, AnAdditionAtTheBoundIsRefusedWithABoxBeforeAnythingIsTyped) {
    Harness h;
    h.store().Put("Button", "Num", kMaxButtons - 1);
    ASSERT_TRUE(h.app.InitInstance());
    // The last one that fits is still added.
    h.platform.dialogs.dialogScripts.push_back([](fake::FakeDialog& d) {
        d.Type(dlg::kSetPath, "C:\\LAST.EXE");
        d.Click(plat::mb::kIdOk);
    });
    h.main().OnCommand(ID_ADD_BUTTON);
    ASSERT_EQ(h.main().ButtonCount(), kMaxButtons);
    EXPECT_EQ(h.StoredInt("Button", "Num"), kMaxButtons);
    h.platform.log.clear();
    bool counted = false;
    h.platform.dialogs.whileMessageBox = [&](const fake::MessageBoxCall&) {
        counted = h.main().m_nOpenDialogs == 1;
    };
    h.main().OnCommand(ID_ADD_BUTTON);
    ASSERT_EQ(h.platform.dialogs.messageBoxes.size(), 1u);
    const auto& box = h.platform.dialogs.messageBoxes[0];
    EXPECT_EQ(box.text,
              "ﾎﾞﾀﾝは 2000 個までしか置けません。ほかのﾎﾞﾀﾝを削除してから追加してください。");
    EXPECT_EQ(box.caption, "Vopdrant");
    EXPECT_EQ(box.type, plat::mb::kOk | plat::mb::kIconExclamation);
    EXPECT_TRUE(counted) << "the box holds the other commands back like any dialog";
    EXPECT_TRUE(h.Calls("Dialogs.RunModalDialog").empty());
    EXPECT_TRUE(h.Calls("Store.Write").empty());
    EXPECT_EQ(h.main().ButtonCount(), kMaxButtons);
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);
}

// A store written elsewhere may hold more buttons than are shown: those past the bound are said
// once, and no change drops or rewrites them.
class PastTheBound : public testing::Test {
  protected:
    void SetUp() override {
        h.store().Put("Button", "Num", kMaxButtons + 3);
        for (int n = kMaxButtons - 1; n <= kMaxButtons + 3; ++n) {
            h.StoreButton(n, "C:\\T" + std::to_string(n) + ".EXE", n % 800, 300);
        }
        h.store().Put(ButtonSection(kMaxButtons + 2), "Kept", fake::Other{3, "\x01\x02"});
        h.platform.dialogs.whileMessageBox = [&](const fake::MessageBoxCall&) {
            countedWhileShown = h.main().m_nOpenDialogs == 1;
        };
        ASSERT_TRUE(h.app.InitInstance());
        ASSERT_EQ(h.main().ButtonCount(), kMaxButtons);
    }
    // Nothing was written to the sections past the shown ones.
    void ExpectHiddenUntouched(int from) {
        for (int n = from; n <= kMaxButtons + 3; ++n) {
            EXPECT_TRUE(h.Calls("Store.WriteString " + ButtonSection(n) + "/").empty()) << n;
            EXPECT_EQ(h.StoredString(ButtonSection(n), "AppName"),
                      "C:\\T" + std::to_string(n) + ".EXE");
        }
        EXPECT_EQ(h.store().Get(ButtonSection(kMaxButtons + 2), "Kept"),
                  fake::Value(fake::Other{3, "\x01\x02"}));
    }
    Harness h;
    bool countedWhileShown = false;
};

TEST_F(PastTheBound, OneBoxAtStartUpSaysHowManyAreNotShown) {
    ASSERT_EQ(h.platform.dialogs.messageBoxes.size(), 1u);
    const auto& box = h.platform.dialogs.messageBoxes[0];
    EXPECT_EQ(box.text,
              "ﾎﾞﾀﾝは 2000 個までしか表示できません。残りの 3 個は表示していませんが、"
              "消さずに残してあります。");
    EXPECT_EQ(box.caption, "Vopdrant");
    EXPECT_EQ(box.type, plat::mb::kOk | plat::mb::kIconExclamation);
    EXPECT_TRUE(countedWhileShown) << "the box holds the other commands back like any dialog";
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);
}

TEST_F(PastTheBound, MovesOrdersAndTheExitKeepThemAndTheirCount) {
    h.platform.log.clear();
    h.main().OnCommand(ID_ALIGN_TOP);
    h.platform.dialogs.dialogScripts.push_back([](fake::FakeDialog& d) {
        d.ListSelect(dlg::kOrderList, kMaxButtons - 1);
        d.Click(dlg::kOrderUp);
        d.Click(plat::mb::kIdOk);
    });
    h.main().OnCommand(ID_ORDER);
    EXPECT_EQ(h.StoredString(ButtonSection(kMaxButtons - 1), "AppName"),
              "C:\\T" + std::to_string(kMaxButtons) + ".EXE");
    h.main().OnCommand(ID_ADD_BUTTON);  // refused: the bound is reached
    h.main().OnCommand(ID_APP_EXIT);
    EXPECT_EQ(h.StoredInt("Button", "Num"), kMaxButtons + 3);
    ExpectHiddenUntouched(kMaxButtons + 1);
}

TEST_F(PastTheBound, ADeletionShowsTheLastOfThemInTheFreedPlace) {
    h.platform.log.clear();
    h.platform.dialogs.messageBoxAnswers.push_back(plat::mb::kIdOk);
    h.main().m_buttons[kMaxButtons - 2]->OnCommand(ID_BUTTON_DELETE);
    ASSERT_EQ(h.main().ButtonCount(), kMaxButtons);
    EXPECT_EQ(h.main().m_buttons.back()->Info().appName,
              "C:\\T" + std::to_string(kMaxButtons + 3) + ".EXE");
    EXPECT_EQ(h.StoredInt("Button", "Num"), kMaxButtons + 2);
    EXPECT_EQ(h.StoredString(ButtonSection(kMaxButtons - 1), "AppName"),
              "C:\\T" + std::to_string(kMaxButtons) + ".EXE");
    EXPECT_EQ(h.StoredString(ButtonSection(kMaxButtons), "AppName"),
              "C:\\T" + std::to_string(kMaxButtons + 3) + ".EXE");
    ExpectHiddenUntouched(kMaxButtons + 1);
    EXPECT_EQ(h.store().changesBegun, h.store().changesCommitted);

    // After the exit and a new start, the two still past the bound are said again.
    h.main().OnCommand(ID_APP_EXIT);
    Harness next;
    next.store().Replace(h.store().All());
    ASSERT_TRUE(next.app.InitInstance());
    ASSERT_EQ(next.platform.dialogs.messageBoxes.size(), 1u);
    EXPECT_NE(next.platform.dialogs.messageBoxes[0].text.find("残りの 2 個"), std::string::npos);
}

TEST(Startup, RunReturnsWhatTheLoopEndedWithAndARefusedStartZeroWithoutALoop) {
    {
        Harness h;
        h.platform.windows.loopExitCode = 7;  // not a value Run could have made up itself
        EXPECT_EQ(h.app.Run(), 7);
        EXPECT_EQ(h.platform.log.back(), "Windows.RunMessageLoop");
    }
    {
        Harness h;
        h.platform.system.majorVersion = 3;
        h.platform.windows.loopExitCode = 7;
        EXPECT_EQ(h.app.Run(), 0);
        EXPECT_TRUE(h.Calls("Windows.RunMessageLoop").empty());
    }
}

// --- Shutdown ------------------------------------------------------------------------------

class Shutdown : public testing::Test {
  protected:
    void SetUp() override {
        h.store().Put("Button", "Num", 2);
        h.StoreButton(1, "C:\\A\\ONE.EXE", 10, 20, 6);
        h.StoreButton(2, "C:\\B\\TWO.EXE", 30, 40);
        h.store().Put("Watch", "Positon", "1,2,3,4");
        ASSERT_TRUE(h.app.InitInstance());
        h.platform.log.clear();
    }
    Harness h;
};

TEST_F(Shutdown, CloseWritesEveryButtonThenTheClockFlagThenQuitsLeavingTheWindowsToTheProcess) {
    const auto buttons = h.platform.windows.WindowsOf("BrisaltoButton");
    ASSERT_EQ(buttons.size(), 2u);
    h.main().OnClose();
    EXPECT_EQ(h.Calls("Store.Write").size(), 2u * 8 + 1);
    EXPECT_LT(h.IndexOf("Store.WriteInt Btn2/Option=0"), h.IndexOf("Store.WriteInt Watch/Show=0"));
    EXPECT_LT(h.IndexOf("Store.WriteInt Watch/Show=0"), h.IndexOf("Windows.PostQuit"));
    // The foreground is no longer watched, and the windows are let go before the quit is posted.
    EXPECT_LT(h.IndexOf("Input.StopWatchingForeground"), h.IndexOf("Windows.DetachAll"));
    EXPECT_LT(h.IndexOf("Windows.DetachAll"), h.IndexOf("Windows.PostQuit"));
    EXPECT_FALSE(h.platform.input.watching);
    // No window is destroyed one by one, and none reports to an object any more.
    EXPECT_TRUE(h.Calls("Windows.DestroyWindow").empty());
    for (const auto window : buttons) {
        EXPECT_FALSE(h.platform.windows.Find(window)->destroyed);
        EXPECT_EQ(h.platform.windows.Find(window)->popup, nullptr);
    }
    EXPECT_EQ(h.platform.windows.Find(h.main().Window())->events, nullptr);
    EXPECT_EQ(h.main().ButtonCount(), 0);
    // "Num" is always current; it is not written at shutdown.
    EXPECT_TRUE(h.Calls("Store.WriteInt Button/Num").empty());
    // Right and bottom are the window's edges at saving time.
    EXPECT_EQ(h.StoredString("Btn1", "Data"), "0,0,10,20,45,55");
    EXPECT_EQ(h.StoredInt("Btn1", "Option"), 6);
    EXPECT_EQ(h.StoredString("Watch", "Positon"), "1,2,3,4");
    EXPECT_TRUE(h.platform.windows.quitPosted);
}

TEST_F(Shutdown, ExitCommandClosesWhenNoDialogIsOpen) {
    h.main().OnCommand(ID_APP_EXIT);
    EXPECT_EQ(h.StoredInt("Watch", "Show"), 0);
    EXPECT_TRUE(h.platform.windows.quitPosted);
}

TEST_F(Shutdown, ExitCommandIsRefusedWhileADialogIsOpen) {
    h.main().m_nOpenDialogs = 1;
    h.main().OnCommand(ID_APP_EXIT);
    ASSERT_EQ(h.platform.dialogs.messageBoxes.size(), 1u);
    const auto& box = h.platform.dialogs.messageBoxes[0];
    EXPECT_EQ(box.text, "作業中のﾀﾞｲｱﾛｸﾞを閉じて下さい。");
    EXPECT_EQ(box.caption, "Vopdrant");
    EXPECT_EQ(box.type, plat::mb::kOk);
    EXPECT_EQ(box.owner, h.main().Window());
    EXPECT_TRUE(h.Calls("Store.Write").empty());
    EXPECT_FALSE(h.platform.windows.quitPosted);
}

TEST_F(Shutdown, EndOfSessionSavesWhenDefaultProcessingAgrees) {
    EXPECT_TRUE(h.main().OnQueryEndSession(true));
    EXPECT_EQ(h.StoredInt("Watch", "Show"), 0);
    EXPECT_EQ(h.StoredString("Btn2", "AppName"), "C:\\B\\TWO.EXE");
    // The program goes on running: nothing is destroyed.
    EXPECT_TRUE(h.Calls("Windows.DestroyWindow").empty());
}

// Another program refuses and the session goes on: the user still has the tray icon and the
// clock, and the next exit finds the clock open.
TEST_F(Shutdown, AQueryThenASessionThatGoesOnStoresAllAndTakesNothingDown) {
    h.main().OnCommand(ID_CLOCK);
    h.platform.windows.MoveWindow(h.main().m_buttons[1]->Window(), 70, 80, 35, 35);
    h.platform.log.clear();
    EXPECT_TRUE(h.main().OnQueryEndSession(true));
    EXPECT_EQ(h.StoredString("Btn2", "Data"), "0,0,70,80,105,115");
    EXPECT_EQ(h.StoredInt("Watch", "Show"), 1);
    EXPECT_EQ(h.StoredString("Watch", "Positon"), "1,2,3,4");
    EXPECT_EQ(h.StoredString("Watch", "BkColor"), "12632256");
    EXPECT_EQ(h.store().changesBegun, h.store().changesCommitted);
    EXPECT_GE(h.store().changesBegun, 1);
    h.main().OnEndSession(false);
    EXPECT_TRUE(h.Calls("Tray.Remove").empty());
    EXPECT_TRUE(h.Calls("Windows.DestroyWindow").empty());
    ASSERT_NE(h.main().m_pWatch, nullptr);
    EXPECT_FALSE(h.platform.windows.quitPosted);

    h.main().OnCommand(ID_APP_EXIT);
    EXPECT_EQ(h.StoredInt("Watch", "Show"), 1);
}

TEST_F(Shutdown, ASessionThatEndsQuitsWritingNothingMore) {
    EXPECT_TRUE(h.main().OnQueryEndSession(true));
    h.platform.log.clear();
    h.main().OnEndSession(true);
    EXPECT_TRUE(h.Calls("Store.Write").empty());
    EXPECT_EQ(h.Calls("Tray.Remove").size(), 1u) << "a close by the restart manager leaves no icon";
    EXPECT_TRUE(h.platform.windows.quitPosted);
}

TEST_F(Shutdown, EndOfSessionRefusedByDefaultProcessingSavesNothing) {
    EXPECT_FALSE(h.main().OnQueryEndSession(false));
    EXPECT_TRUE(h.Calls("Store.Write").empty());
}

TEST_F(Shutdown, EndOfSessionSavesEvenWhileADialogIsOpen) {
    h.main().m_nOpenDialogs = 2;
    EXPECT_TRUE(h.main().OnQueryEndSession(true));
    EXPECT_EQ(h.StoredInt("Watch", "Show"), 0);
}

// --- The collection's numbering ------------------------------------------------------------

TEST(Collection, DeletingRenumbersAndLeavesTheOldLastSectionUntouched) {
    Harness h;
    h.store().Put("Button", "Num", 3);
    h.StoreButton(1, "C:\\A\\ONE.EXE", 10, 20);
    h.StoreButton(2, "C:\\B\\TWO.EXE", 30, 40);
    h.StoreButton(3, "C:\\C\\THREE.EXE", 50, 60);
    ASSERT_TRUE(h.app.InitInstance());
    h.main().RemoveButton(h.main().m_buttons[1].get());
    EXPECT_EQ(h.StoredInt("Button", "Num"), 2);
    EXPECT_EQ(h.StoredString("Btn1", "AppName"), "C:\\A\\ONE.EXE");
    EXPECT_EQ(h.StoredString("Btn2", "AppName"), "C:\\C\\THREE.EXE");
    EXPECT_EQ(h.StoredString("Btn3", "AppName"), "C:\\C\\THREE.EXE");
    EXPECT_TRUE(h.Calls("Store.WriteString Btn3/").empty());

    h.main().RemoveButton(nullptr);  // not in the list: ignored
    EXPECT_EQ(h.main().ButtonCount(), 2);
}

struct Unkept {
    plat::StoreHealth health;
    const char* message;
};

class StartupUnkeptStore : public testing::TestWithParam<Unkept> {};

TEST_P(StartupUnkeptStore, SaysSoOnceAndRunsWithWhatItRead) {
    Harness h;
    h.store().health = GetParam().health;
    h.StoreButton(1, "C:\\A\\ONE.EXE", 10, 20);
    h.store().Put("Button", "Num", 1);
    ASSERT_TRUE(h.app.InitInstance());
    ASSERT_EQ(h.platform.dialogs.messageBoxes.size(), 1u);
    EXPECT_EQ(h.platform.dialogs.messageBoxes[0].text, GetParam().message);
    EXPECT_EQ(h.platform.dialogs.messageBoxes[0].type, plat::mb::kOk | plat::mb::kIconExclamation);
    EXPECT_EQ(h.main().ButtonCount(), 1);
    h.main().OnCommand(ID_CLOCK);
    h.main().OnCommand(ID_CLOCK);
    EXPECT_EQ(h.platform.dialogs.messageBoxes.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Health, StartupUnkeptStore,
    testing::Values(
        Unkept{plat::StoreHealth::ReadOnly,
               "設定ﾌｧｲﾙ(Brisalto.ini)に書き込めません。今回の変更は保存されません。"},
        Unkept{plat::StoreHealth::TooLarge,
               "設定ﾌｧｲﾙ(Brisalto.ini)が大きすぎるため読み込めません。ﾌｧｲﾙはそのままにして、"
               "今回の変更は保存しません。"}));

}  // namespace
