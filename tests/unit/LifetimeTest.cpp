#include <gtest/gtest.h>

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

}  // namespace
