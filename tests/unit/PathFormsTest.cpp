#include <gtest/gtest.h>

#include <string>

#include "button/PathForms.h"
#include "res/Resource.h"
#include "tests/unit/Harness.h"

namespace {

struct PathCase {
    const char* path;
    const char* travelling;
};

class TravellingPaths : public testing::TestWithParam<PathCase> {};

TEST_P(TravellingPaths, TakeTheLongestFolderTheyLieIn) {
    fake::FakePlatform platform;
    EXPECT_EQ(TravellingPath(GetParam().path, PathFolders(platform.system)), GetParam().travelling);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, TravellingPaths,
    testing::Values(PathCase{"C:\\Users\\Ann\\tools\\a.exe", "%USERPROFILE%\\tools\\a.exe"},
                    PathCase{"c:\\users\\ANN\\a.exe", "%USERPROFILE%\\a.exe"},
                    PathCase{"C:\\Users\\Ann\\AppData\\Local\\x\\b.exe",
                             "%LOCALAPPDATA%\\x\\b.exe"},
                    PathCase{"C:\\Program Files\\Editor\\e.exe", "%ProgramFiles%\\Editor\\e.exe"},
                    PathCase{"C:\\WINDOWS\\notepad.exe", "%SystemRoot%\\notepad.exe"},
                    PathCase{"C:\\Users\\Anna\\a.exe", "C:\\Users\\Anna\\a.exe"},
                    PathCase{"C:\\Users\\Ann", "%USERPROFILE%"}, PathCase{"D:\\a.exe", "D:\\a.exe"},
                    PathCase{"", ""}, PathCase{"notepad", "notepad"}));

class UsablePaths : public testing::TestWithParam<PathCase> {};

TEST_P(UsablePaths, AreFullOnThisPc) {
    fake::FakePlatform platform;
    platform.system.programPath = "F:\\Brisalto\\Brisalto.exe";
    platform.system.environment["USERPROFILE"] = "C:\\Users\\Bob";
    EXPECT_EQ(UsablePath(platform.system, GetParam().path), GetParam().travelling);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, UsablePaths,
    testing::Values(PathCase{"%USERPROFILE%\\tools\\a.exe", "C:\\Users\\Bob\\tools\\a.exe"},
                    PathCase{"%userprofile%\\a.exe", "C:\\Users\\Bob\\a.exe"},
                    PathCase{"%NOT_SET%\\a.exe", "%NOT_SET%\\a.exe"},
                    PathCase{"\\Tools\\a.exe", "F:\\Tools\\a.exe"},
                    PathCase{"\\\\server\\share\\a.exe", "\\\\server\\share\\a.exe"},
                    PathCase{"C:\\a%b%.exe", "C:\\a%b%.exe"}, PathCase{"", ""}));

// A stick that comes back under another letter: the entry without a drive starts the program
// on the drive Brisalto runs from, and shows its icon; the entry keeps its form.
TEST(PathForms, AnEntryWithoutADriveFollowsTheProgramsDrive) {
    for (const char* drive : {"E:", "G:"}) {
        Harness h;
        h.platform.system.programPath = std::string(drive) + "\\Brisalto\\Brisalto.exe";
        h.StoreButton(1, "\\Tools\\ed.exe", 10, 10);
        h.store().Put("Button", "Num", 1);
        ASSERT_TRUE(h.app.InitInstance());
        h.main().m_buttons[0]->OnLButtonDown({5, 5}, plat::mk::kLButton);
        h.main().m_buttons[0]->OnLButtonUp({5, 5}, 0);
        ASSERT_EQ(h.platform.shell.executes.size(), 1u);
        EXPECT_EQ(h.platform.shell.executes[0].file, std::string(drive) + "\\Tools\\ed.exe");
        EXPECT_FALSE(h.Calls("Icons.Count " + std::string(drive) + "\\Tools\\ed.exe").empty());
        h.main().OnCommand(ID_APP_EXIT);
        EXPECT_EQ(h.StoredString("Btn1", "AppName"), "\\Tools\\ed.exe");
    }
}

}  // namespace
