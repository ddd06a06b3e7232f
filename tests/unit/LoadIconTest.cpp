#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "edit/LoadIcon.h"
#include "platform/fake/FakePlatform.h"

namespace {

using fake::FakeIcons;
using fake::IconInfo;

class Loader : public testing::Test {
  protected:
    void SetUp() override {
        icons.files["C:\\five.dll"] = {{16, 24, 32, 40, 48}, true};
        icons.files["C:\\TOOLS\\EDIT.EXE"] = {{32, 48}, true};
        icons.files["C:\\bare.dll"] = {{}, true};
        icons.files["C:\\RUN.COM"] = {{}, true};
        icons.files["C:\\pic.ICO"] = {{}, true};
        icons.files["C:\\README"] = {{}, true};
        icons.files["C:\\Folder.d"] = {{}, true};
        icons.files["C:\\MAIN.CPL"] = {{}, true};
        icons.files["C:\\nothing.txt"] = {{}, false};
    }
    void TearDown() override {
        EXPECT_EQ(FakeIcons::LiveIcons(), 0);
        EXPECT_EQ(FakeIcons::LiveImageLists(), 0);
    }
    std::optional<IconInfo> Load(const std::string& path, int index, int small = 0) {
        CLoadIcon loader(platform);
        loader.Create(small);
        loader.SetFile(path);
        return FakeIcons::Describe(loader.GetIcon(index));
    }

    fake::FakePlatform platform;
    fake::FakeIcons& icons = platform.icons;
};

// An entry taken along from another PC keeps its path in the travelling form; its icons are
// those of the file where that path leads here.
TEST_F(Loader, ATravellingPathIsReadWhereItLeadsOnThisPc) {
    icons.files["C:\\WINDOWS\\notepad.exe"] = {{32, 48}, true};
    icons.files["C:\\Tools\\edit.exe"] = {{32, 32, 32}, true};
    CLoadIcon loader(platform);
    loader.Create(0);
    loader.SetFile("%SystemRoot%\\notepad.exe");
    EXPECT_EQ(loader.GetIconCount(), 2);
    EXPECT_TRUE(loader.GetIcon(1));
    loader.SetFile("\\Tools\\edit.exe");
    EXPECT_EQ(loader.GetIconCount(), 3) << "the drive the program runs from";
}

struct ModuleCase {
    const char* path;
    int count;
};
class ModuleKinds : public Loader, public testing::WithParamInterface<ModuleCase> {};

TEST_P(ModuleKinds, CountFromTheModuleOrOneFromTheShell) {
    icons.files[GetParam().path] = {{32, 32, 32}, true};
    CLoadIcon loader(platform);
    loader.Create(0);
    loader.SetFile(GetParam().path);
    EXPECT_EQ(loader.GetIconCount(), GetParam().count);
    const auto icon = FakeIcons::Describe(loader.GetIcon(0));
    ASSERT_TRUE(icon);
    const std::string want = GetParam().count == 3 ? std::string(GetParam().path) + "#0"
                                                   : "shell:" + std::string(GetParam().path);
    EXPECT_EQ(icon->source, want);
    EXPECT_EQ(icon->size, 32);
}

INSTANTIATE_TEST_SUITE_P(Extensions, ModuleKinds,
                         testing::Values(ModuleCase{"C:\\A.EXE", 3}, ModuleCase{"C:\\a.exe", 3},
                                         ModuleCase{"C:\\a.Dll", 3}, ModuleCase{"C:\\a.DLL", 3},
                                         ModuleCase{"C:\\A.COM", 1}, ModuleCase{"C:\\a.ICO", 1},
                                         ModuleCase{"C:\\a.cpl", 1}, ModuleCase{"C:\\A.EXE.lnk", 1},
                                         ModuleCase{"C:\\no.dll\\ext", 1},
                                         ModuleCase{"C:\\Folder.d\\", 1}));

TEST_F(Loader, FiveIconModuleGivesItsFifthThenFallsBackAndCountsOne) {
    CLoadIcon loader(platform);
    loader.Create(0);
    loader.SetFile("C:\\five.dll");
    EXPECT_EQ(loader.GetIconCount(), 5);
    EXPECT_EQ(FakeIcons::Describe(loader.GetIcon(4)), (IconInfo{"C:\\five.dll#4", 32}));
    EXPECT_EQ(loader.GetIconCount(), 5);
    EXPECT_EQ(FakeIcons::Describe(loader.GetIcon(5)), (IconInfo{"shell:C:\\five.dll", 32}));
    EXPECT_EQ(loader.GetIconCount(), 1);
}

TEST_F(Loader, ModuleWithoutIconsCountsZeroThenOne) {
    CLoadIcon loader(platform);
    loader.Create(0);
    loader.SetFile("C:\\bare.dll");
    EXPECT_EQ(loader.GetIconCount(), 0);
    EXPECT_EQ(FakeIcons::Describe(loader.GetIcon(0)), (IconInfo{"shell:C:\\bare.dll", 32}));
    EXPECT_EQ(loader.GetIconCount(), 1);
}

TEST_F(Loader, EveryIconComesOutAtTheLoadersSize) {
    for (int small : {0, 1}) {
        const int size = small ? 16 : 32;
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(Load("C:\\five.dll", i, small),
                      (IconInfo{"C:\\five.dll#" + std::to_string(i), size}));
        }
        icons.largeSize = 48;
        icons.smallSize = 24;
        EXPECT_EQ(Load("C:\\pic.ICO", 0, small), (IconInfo{"shell:C:\\pic.ICO", size}));
    }
}

TEST_F(Loader, AsksThePlatformForTheSizeOfTheFlag) {
    Load("C:\\five.dll", 1, 1);
    Load("C:\\five.dll", 7, 1);
    Load("C:\\README", 0, 0);
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{
                  "Icons.CreateList 16", "Icons.Count C:\\five.dll",
                  "Icons.Extract C:\\five.dll,1,small", "Icons.Normalize", "Icons.CreateList 16",
                  "Icons.Count C:\\five.dll", "Icons.Extract C:\\five.dll,7,small",
                  "Icons.Shell C:\\five.dll,small", "Icons.Normalize", "Icons.CreateList 32",
                  "Icons.Shell C:\\README,large", "Icons.Normalize"}));
}

TEST_F(Loader, EmptyOrMissingPathYieldsNone) {
    for (const char* path : {"", "C:\\missing.exe", "C:\\missing.txt", "C:\\nothing.txt"}) {
        CLoadIcon loader(platform);
        loader.Create(0);
        loader.SetFile(path);
        EXPECT_FALSE(loader.GetIcon(0)) << path;
        EXPECT_EQ(loader.GetIconCount(), 1) << path;
    }
}

TEST_F(Loader, IndexGoesToThePlatformUnchangedAndNothingIsCached) {
    CLoadIcon loader(platform);
    loader.Create(0);
    loader.SetFile("C:\\TOOLS\\EDIT.EXE");
    EXPECT_EQ(FakeIcons::Describe(loader.GetIcon(1)), (IconInfo{"C:\\TOOLS\\EDIT.EXE#1", 32}));
    EXPECT_EQ(FakeIcons::Describe(loader.GetIcon(1)), (IconInfo{"C:\\TOOLS\\EDIT.EXE#1", 32}));
    loader.GetIcon(-3);
    EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(),
                         "Icons.Extract C:\\TOOLS\\EDIT.EXE,1,large"),
              2);
    EXPECT_EQ(platform.log.back(), "Icons.Normalize");
    EXPECT_EQ(platform.log[platform.log.size() - 3], "Icons.Extract C:\\TOOLS\\EDIT.EXE,-3,large");
}

// An identifier has 16 bits: an index below -65535 names none, and the lowest integer has no
// negation at all. Such a stored index never reaches the module's icon calls.
TEST_F(Loader, AnIndexThatNamesNoResourceGivesTheShellsIconWithoutAskingTheModule) {
    for (int index : {INT_MIN, INT_MIN + 1, -65536}) {
        platform.log.clear();
        CLoadIcon loader(platform);
        loader.SetFile("C:\\TOOLS\\EDIT.EXE");
        loader.CreateAt(loader.FittingSize(index, 60));
        EXPECT_EQ(FakeIcons::Describe(loader.GetIcon(index)),
                  (IconInfo{"shell:C:\\TOOLS\\EDIT.EXE", 32}))
            << index;
        for (const auto& call : platform.log) EXPECT_NE(call.rfind("Icons.Extract", 0), 0u) << call;
    }
    platform.log.clear();
    Load("C:\\TOOLS\\EDIT.EXE", -65535);
    EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(),
                         "Icons.Extract C:\\TOOLS\\EDIT.EXE,-65535,large"),
              1)
        << "the last identifier is still asked for";
}

TEST_F(Loader, SecondFileReplacesTheFirstAndItsCount) {
    CLoadIcon loader(platform);
    loader.Create(1);
    loader.SetFile("C:\\bare.dll");
    loader.GetIcon(0);
    loader.SetFile("C:\\five.dll");
    EXPECT_EQ(loader.GetIconCount(), 5);
    EXPECT_EQ(FakeIcons::Describe(loader.GetIcon(2)), (IconInfo{"C:\\five.dll#2", 16}));
    loader.SetFile("C:\\README");
    EXPECT_EQ(loader.GetIconCount(), 1);
}

TEST_F(Loader, IconsHandedOutOutliveTheLoaderAndAreTheCallersToRelease) {
    plat::Icon kept;
    {
        CLoadIcon loader(platform);
        loader.Create(0);
        loader.SetFile("C:\\five.dll");
        kept = loader.GetIcon(0);
        plat::Icon dropped = loader.GetIcon(1);
        EXPECT_EQ(FakeIcons::LiveIcons(), 2);
    }
    EXPECT_EQ(FakeIcons::LiveImageLists(), 0);
    EXPECT_EQ(FakeIcons::Describe(kept), (IconInfo{"C:\\five.dll#0", 32}));
    kept.Reset();
}

}  // namespace
