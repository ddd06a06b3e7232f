#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "button/AppStart.h"
#include "button/PathSplit.h"
#include "platform/fake/FakePlatform.h"
#include "res/Texts.h"

namespace {

struct SplitCase {
    const char* path;
    PathParts parts;
};

class Split : public testing::TestWithParam<SplitCase> {};

TEST_P(Split, FindsDriveFolderNameAndExtension) {
    const PathParts got = SplitPath(GetParam().path);
    const PathParts& want = GetParam().parts;
    EXPECT_EQ(got.drive, want.drive);
    EXPECT_EQ(got.dir, want.dir);
    EXPECT_EQ(got.name, want.name);
    EXPECT_EQ(got.ext, want.ext);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, Split,
    testing::Values(SplitCase{"C:\\TOOLS\\EDIT.EXE", {"C:", "\\TOOLS\\", "EDIT", ".EXE"}},
                    SplitCase{"C:\\A.B\\TOOL", {"C:", "\\A.B\\", "TOOL", ""}},
                    SplitCase{"D:/docs/v1.2/memo.tar.gz", {"D:", "/docs/v1.2/", "memo.tar", ".gz"}},
                    SplitCase{"C:\\mixed/sep\\x.y", {"C:", "\\mixed/sep\\", "x", ".y"}},
                    SplitCase{"C:", {"C:", "", "", ""}},
                    SplitCase{"EDIT.EXE", {"", "", "EDIT", ".EXE"}},
                    SplitCase{"", {"", "", "", ""}},
                    SplitCase{"\\\\server\\share\\a.cpl", {"", "\\\\server\\share\\", "a", ".cpl"}},
                    SplitCase{"C:\\dir\\.profile", {"C:", "\\dir\\", "", ".profile"}},
                    SplitCase{"C:\\dir.d\\", {"C:", "\\dir.d\\", "", ""}},
                    // No byte of a multi-byte character is taken for a separator or a dot.
                    SplitCase{"C:\\表示\\ソフト.exe", {"C:", "\\表示\\", "ソフト", ".exe"}}));

TEST(ExtensionCompare, FoldsAsciiLettersOnly) {
    EXPECT_TRUE(EqualsNoCase(".ExE", ".exe"));
    EXPECT_TRUE(EqualsNoCase(".CPL", ".cpl"));
    EXPECT_FALSE(EqualsNoCase(".exe", ".ex"));
    EXPECT_FALSE(EqualsNoCase(".ＥＸＥ", ".exe"));
    EXPECT_FALSE(EqualsNoCase(".é", ".É"));
    EXPECT_FALSE(EqualsNoCase(".exe", ".exf"));
}

constexpr plat::WindowRef kOwner{0x4711};
constexpr Rights kAdmin = Rights::kAdministrator;

class Launch : public testing::Test {
  protected:
    void Set(const std::string& appName, const std::string& dir, const std::string& parm,
             int showMode) {
        start.SetApp(kOwner, appName, dir, parm, showMode);
    }
    fake::FakePlatform platform;
    CAppStart start{platform};
    fake::FakeShell& shell = platform.shell;
    fake::FakeDialogs& dialogs = platform.dialogs;
};

TEST_F(Launch, StartDirectoryIsTheGivenOneOrTheProgramsFolder) {
    Set("C:\\TOOLS\\EDIT.EXE", "", "", 0);
    EXPECT_EQ(start.StartDirectory(), "C:\\TOOLS\\");
    Set("C:\\TOOLS\\EDIT.EXE", "D:\\WORK", "", 0);
    EXPECT_EQ(start.StartDirectory(), "D:\\WORK");
    Set("EDIT.EXE", "", "", 0);
    EXPECT_EQ(start.StartDirectory(), "");
    Set("C:EDIT.EXE", "", "", 0);
    EXPECT_EQ(start.StartDirectory(), "C:");
    Set("/usr/tools/edit.exe", "", "", 0);
    EXPECT_EQ(start.StartDirectory(), "/usr/tools/");
}

struct ShowCase {
    int showMode;
    int showCommand;
};
class ShowMapping : public Launch, public testing::WithParamInterface<ShowCase> {};

TEST_P(ShowMapping, ReachesTheShell) {
    Set("C:\\TOOLS\\EDIT.EXE", "", "", GetParam().showMode);
    start.Start();
    ASSERT_EQ(shell.executes.size(), 1u);
    EXPECT_EQ(shell.executes[0].showCommand, GetParam().showCommand);
}

INSTANTIATE_TEST_SUITE_P(Modes, ShowMapping,
                         testing::Values(ShowCase{0, 5}, ShowCase{1, 2}, ShowCase{2, 3},
                                         ShowCase{3, 5}, ShowCase{7, 5}, ShowCase{-1, 5}));

struct KindCase {
    const char* appName;
    const char* dir;
    const char* parm;
    int showMode;
    fake::ExecuteCall call;
};
class ShellKinds : public Launch, public testing::WithParamInterface<KindCase> {};

TEST_P(ShellKinds, MakeOneShellCallWithTheseArguments) {
    const KindCase& c = GetParam();
    Set(c.appName, c.dir, c.parm, c.showMode);
    start.Start();
    EXPECT_EQ(shell.executes, std::vector<fake::ExecuteCall>{c.call});
    EXPECT_TRUE(shell.commandLines.empty());
    EXPECT_TRUE(dialogs.messageBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ShellKinds,
    testing::Values(
        KindCase{"C:\\TOOLS\\EDIT.EXE",
                 "",
                 "-n",
                 2,
                 {kOwner, "C:\\TOOLS\\EDIT.EXE", "-n", "C:\\TOOLS\\", 3, ""}},
        KindCase{"C:\\TOOLS\\EDIT.Exe",
                 "",
                 "-n",
                 2,
                 {kOwner, "C:\\TOOLS\\EDIT.Exe", "-n", "C:\\TOOLS\\", 3, ""}},
        KindCase{"C:\\DOS\\RUN.cOm",
                 "C:\\TMP",
                 "a b",
                 1,
                 {kOwner, "C:\\DOS\\RUN.cOm", "a b", "C:\\TMP", 2, ""}},
        KindCase{"D:\\DOCS\\MEMO.TXT",
                 "",
                 "-x",
                 0,
                 {kOwner, "D:\\DOCS\\MEMO.TXT", "", "D:\\DOCS\\", 5, ""}},
        KindCase{"C:\\A.B\\TOOL", "", "-x", 2, {kOwner, "C:\\A.B\\TOOL", "", "C:\\A.B\\", 3, ""}},
        KindCase{"C:\\x\\prog.exe.txt",
                 "",
                 "-x",
                 0,
                 {kOwner, "C:\\x\\prog.exe.txt", "", "C:\\x\\", 5, ""}},
        KindCase{"", "", "-x", 0, {kOwner, "", "", "", 5, ""}}));

TEST_F(Launch, ControlPanelItemRunsThroughTheCommandLineWhateverTheRestHolds) {
    for (const char* path :
         {"C:\\WINDOWS\\SYSTEM\\MAIN.CPL", "C:\\Program Files\\My Tools\\x.Cpl"}) {
        shell.commandLines.clear();
        Set(path, "D:\\ELSEWHERE", "-p", 2);
        start.Start();
        // The system's own rundll32 by its full name, never one found in some other folder.
        const std::string line =
            std::string("\"C:\\WINDOWS\\system32\\rundll32.exe\" shell32.dll,Control_RunDLL ") +
            path + ",,0";
        EXPECT_EQ(shell.commandLines, (std::vector<fake::CommandLineCall>{{line, 5}}));
    }
    EXPECT_TRUE(shell.executes.empty());
    EXPECT_TRUE(dialogs.messageBoxes.empty());
}

struct DropCase {
    const char* appName;
    const char* dir;
};
class Drop : public Launch, public testing::WithParamInterface<DropCase> {};

TEST_P(Drop, GoesThroughTheShellQuotedWithoutTheEntrysParameters) {
    Set(GetParam().appName, GetParam().dir, "-n", 1);
    start.StartWithFile("C:\\My Files\\a.txt");
    ASSERT_EQ(shell.executes.size(), 1u);
    EXPECT_EQ(shell.executes[0],
              (fake::ExecuteCall{kOwner, GetParam().appName, "\"C:\\My Files\\a.txt\"",
                                 start.StartDirectory(), 2, ""}));
    EXPECT_TRUE(shell.commandLines.empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, Drop,
                         testing::Values(DropCase{"C:\\TOOLS\\EDIT.EXE", ""},
                                         DropCase{"D:\\DOCS\\MEMO.TXT", "D:\\"},
                                         DropCase{"C:\\WINDOWS\\SYSTEM\\MAIN.CPL", ""}));

TEST_F(Launch, ControlPanelItemWithoutASystemFolderStartsNothingAndSaysSo) {
    platform.system.systemFolder = "";
    Set("C:\\MAIN.CPL", "", "", 0);
    start.Start();
    start.Start(kAdmin);
    EXPECT_TRUE(shell.commandLines.empty());
    EXPECT_TRUE(shell.executes.empty());
    ASSERT_EQ(dialogs.messageBoxes.size(), 2u);
    EXPECT_EQ(dialogs.messageBoxes[1].text, "Error ");
}

struct QuoteCase {
    const char* entry;
    const char* dropped;
    const char* parameters;  // as the entry's program is handed them
};
class DroppedName : public Launch, public testing::WithParamInterface<QuoteCase> {};

// A program splits its line by the C run-time's rules (backslashes before a quote pair up); a
// batch file is read by cmd, which expands %NAME% even between quotes.
TEST_P(DroppedName, ReachesTheProgramAsItIs) {
    Set(GetParam().entry, "", "", 0);
    EXPECT_TRUE(start.StartWithFile(GetParam().dropped));
    ASSERT_EQ(shell.executes.size(), 1u);
    EXPECT_EQ(shell.executes[0].parameters, GetParam().parameters);
}

INSTANTIATE_TEST_SUITE_P(
    Names, DroppedName,
    testing::Values(
        QuoteCase{"C:\\T\\EDIT.EXE", "a.txt", "\"a.txt\""},
        QuoteCase{"C:\\T\\EDIT.EXE", "D:\\", "\"D:\\\\\""},
        QuoteCase{"C:\\T\\EDIT.EXE", "\\\\server\\share\\", "\"\\\\server\\share\\\\\""},
        QuoteCase{"C:\\T\\EDIT.EXE", "C:\\a\\b c\\d.txt", "\"C:\\a\\b c\\d.txt\""},
        QuoteCase{"C:\\T\\EDIT.EXE", "C:\\100%\\%PATH%.txt", "\"C:\\100%\\%PATH%.txt\""},
        QuoteCase{"C:\\T\\EDIT.EXE", "a\\\"b", "\"a\\\\\\\"b\""},
        QuoteCase{"C:\\T\\RUN.BAT", "C:\\a b\\%PATH%.txt", "\"C:\\a b\\%%cd:~,%PATH%%cd:~,%.txt\""},
        QuoteCase{"C:\\T\\run.Cmd", "D:\\", "\"D:\\\""},
        QuoteCase{"C:\\T\\run.cmd", "100%.txt", "\"100%%cd:~,%.txt\""}));

const plat::StartOutcome kStarted = plat::StartOutcome::Started();
const plat::StartOutcome kFailed = plat::StartOutcome::Failed("The system cannot find the file.");
const plat::StartOutcome kCancelled = plat::StartOutcome::Cancelled();

struct FailCase {
    const char* appName;
    bool drop;
    plat::StartOutcome result;
    const char* message;  // none when the start counts as done
    Rights rights = Rights::kUser;
};
class Failure : public Launch, public testing::WithParamInterface<FailCase> {};

TEST_P(Failure, IsReportedInAnExclamationBoxThatNamesTheEntryOnly) {
    const FailCase& c = GetParam();
    shell.executeResult = c.result;
    shell.commandLineResult = c.result;
    Set(c.appName, "", "", 0);
    if (c.drop) {
        start.StartWithFile("x", c.rights);
    } else {
        start.Start(c.rights);
    }
    if (c.message == nullptr) {
        EXPECT_TRUE(dialogs.messageBoxes.empty());
        return;
    }
    ASSERT_EQ(dialogs.messageBoxes.size(), 1u);
    const fake::MessageBoxCall& box = dialogs.messageBoxes[0];
    EXPECT_EQ(box.text, c.message);
    EXPECT_EQ(box.caption, "Vopdrant");
    EXPECT_EQ(box.type, 0x30u);
    EXPECT_EQ(box.owner, kOwner);
}

INSTANTIATE_TEST_SUITE_P(
    Results, Failure,
    testing::Values(
        FailCase{"C:\\TOOLS\\EDIT.EXE", false, kStarted, nullptr},
        FailCase{"C:\\TOOLS\\EDIT.EXE", false, kFailed,
                 "C:\\TOOLS\\EDIT.EXEの起動に失敗しました。"},
        FailCase{"C:\\TOOLS\\EDIT.EXE", false, plat::StartOutcome::Failed(),
                 "C:\\TOOLS\\EDIT.EXEの起動に失敗しました。"},
        FailCase{"D:\\文書\\メモ.txt", false, kFailed, "D:\\文書\\メモ.txtの起動に失敗しました。"},
        FailCase{"C:\\a\\b.cpl", true, kFailed, "C:\\a\\b.cplの起動に失敗しました。"},
        FailCase{"", false, kFailed, "の起動に失敗しました。"},
        // A percent sign in a path is text, not a format.
        FailCase{"C:\\100%s\\x.exe", false, kFailed, "C:\\100%s\\x.exeの起動に失敗しました。"},
        FailCase{"C:\\MAIN.CPL", false, kStarted, nullptr},
        FailCase{"C:\\MAIN.CPL", false, kFailed, "Error "},
        // As administrator: the user's "no" is no failure; anything else still is.
        FailCase{"C:\\TOOLS\\EDIT.EXE", false, kCancelled, nullptr, kAdmin},
        FailCase{"D:\\メモ.txt", false, kCancelled, nullptr, kAdmin},
        FailCase{"C:\\TOOLS\\EDIT.EXE", true, kCancelled, nullptr, kAdmin},
        FailCase{"C:\\MAIN.CPL", false, kCancelled, nullptr, kAdmin},
        FailCase{"C:\\TOOLS\\EDIT.EXE", false, kFailed, "C:\\TOOLS\\EDIT.EXEの起動に失敗しました。",
                 kAdmin},
        FailCase{"C:\\MAIN.CPL", false, kFailed, "Error ", kAdmin},
        FailCase{"C:\\MAIN.CPL", false, kStarted, nullptr, kAdmin}));

TEST_F(Launch, AsAdministratorEveryKindGoesThroughTheShellWithRunas) {
    Set("C:\\TOOLS\\EDIT.EXE", "", "-n", 2);
    start.Start(kAdmin);
    Set("D:\\DOCS\\MEMO.TXT", "", "-x", 0);
    start.Start(kAdmin);
    Set("C:\\Program Files\\x.cpl", "D:\\ELSEWHERE", "-p", 2);
    start.Start(kAdmin);
    Set("C:\\TOOLS\\EDIT.EXE", "", "-n", 0);
    start.StartWithFile("C:\\a b.txt", kAdmin);
    const std::vector<fake::ExecuteCall> want = {
        {kOwner, "C:\\TOOLS\\EDIT.EXE", "-n", "C:\\TOOLS\\", 3, "runas"},
        {kOwner, "D:\\DOCS\\MEMO.TXT", "", "D:\\DOCS\\", 5, "runas"},
        {kOwner, "C:\\WINDOWS\\system32\\rundll32.exe",
         "shell32.dll,Control_RunDLL C:\\Program Files\\x.cpl,,0", "", 5, "runas"},
        {kOwner, "C:\\TOOLS\\EDIT.EXE", "\"C:\\a b.txt\"", "C:\\TOOLS\\", 5, "runas"},
    };
    EXPECT_EQ(shell.executes, want);
    EXPECT_TRUE(shell.commandLines.empty());
    EXPECT_TRUE(dialogs.messageBoxes.empty());
}

TEST_F(Launch, NewDataReplacesTheOldAndItsExtension) {
    Set("C:\\MAIN.CPL", "", "", 0);
    Set("C:\\TOOLS\\EDIT.EXE", "", "-n", 0);
    start.Start();
    EXPECT_TRUE(shell.commandLines.empty());
    ASSERT_EQ(shell.executes.size(), 1u);
    EXPECT_EQ(shell.executes[0].parameters, "-n");
}

}  // namespace
