#include <gtest/gtest.h>

#include <algorithm>

#include "clock/WatchWnd.h"
#include "res/Resource.h"
#include "tests/unit/Harness.h"

namespace {

// A program whose only button starts something that is not there, so every start ends in the
// failure box; the box and the button's menu let other messages in while they are up.
class EndWhileAHandlerRuns : public testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        h.store().Put("Button", "Num", 1);
        h.StoreButton(1, "C:\\GONE\\TOOL.EXE", 100, 100);
        ASSERT_TRUE(h.app.InitInstance());
        h.platform.shell.executeResult = plat::StartOutcome::Failed();
    }
    // Another program's close request, or the tray menu's exit (the failure box is not one of
    // the dialogs that hold the exit back).
    void EndOnce() {
        if (ended) return;
        ended = true;
        if (GetParam()) {
            h.main().OnClose();
        } else {
            h.main().OnCommand(ID_APP_EXIT);
        }
    }
    CLaunchButton& button() { return *h.main().m_buttons[0]; }

    Harness h;
    bool ended = false;
};

TEST_P(EndWhileAHandlerRuns, ADropOfTwoFilesStopsAfterTheFirstFailureBox) {
    h.platform.dialogs.whileMessageBox = [&](const fake::MessageBoxCall&) { EndOnce(); };
    button().OnDropFiles({"C:\\a.txt", "C:\\b.txt", "C:\\c.txt"}, 0);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(h.platform.windows.quitPosted);
    EXPECT_EQ(h.platform.shell.executes.size(), 1u) << "nothing more starts once the end began";
    EXPECT_EQ(h.platform.dialogs.messageBoxes.size(), 1u);
    EXPECT_EQ(h.StoredString("Btn1", "AppName"), "C:\\GONE\\TOOL.EXE") << "the exit saved";
}

TEST_P(EndWhileAHandlerRuns, TheButtonsMenuReturnsToAButtonThatStillExists) {
    h.platform.dialogs.whileMenu = [&](const fake::TrackedMenu&) { EndOnce(); };
    button().OnRButtonDown({5, 5}, 0);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(h.platform.windows.quitPosted);
}

INSTANTIATE_TEST_SUITE_P(CloseOrExit, EndWhileAHandlerRuns, testing::Bool());

// The end of the session closes the clock while its settings dialog is open. The clock object
// owns its font, so the fonts alive tell whether it still lives: it outlives its window until
// its handler has returned, the handler then changes nothing, and it goes with the main window.
TEST(ClockEndedUnderItsDialog, LivesUntilItsHandlerReturnsAndGoesWithTheMainWindow) {
    fake::FakePlatform platform;
    const auto writes = [&] {
        return std::count_if(platform.log.begin(), platform.log.end(),
                             [](const std::string& c) { return c.rfind("Store.Write", 0) == 0; });
    };
    const int before = fake::LiveHandles();
    {
        CMainApp app(platform);
        platform.store.Put("Watch", "Show", 1);
        ASSERT_TRUE(app.InitInstance());
        CMainWnd& main = *app.MainWnd();
        ASSERT_NE(main.m_pWatch, nullptr);
        CWatchWnd& clock = *main.m_pWatch;
        const int withClock = fake::LiveHandles();
        ASSERT_GT(withClock, before) << "the clock holds a font";

        long afterEnd = 0;
        platform.dialogs.dialogScripts.push_back([&](fake::FakeDialog& d) {
            EXPECT_TRUE(main.OnQueryEndSession(true));
            ASSERT_NE(main.m_pWatch, nullptr) << "the question alone ends nothing";
            main.OnEndSession(true);
            EXPECT_EQ(clock.Window(), plat::WindowRef{}) << "the clock lets its window go";
            EXPECT_TRUE(platform.windows.quitPosted);
            afterEnd = writes();
            d.Click(plat::mb::kIdOk);
        });
        const auto writtenBefore = writes();
        clock.OnNcLButtonDblClk();
        EXPECT_GT(afterEnd, writtenBefore) << "the question stored the clock";
        EXPECT_EQ(writes(), afterEnd) << "the OK after the session's end wrote nothing";
    }
    EXPECT_EQ(fake::LiveHandles(), before) << "the clock went with the main window";
}

}  // namespace
