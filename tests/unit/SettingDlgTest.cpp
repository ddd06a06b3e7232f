#include <gtest/gtest.h>

#include "edit/IconChangeDlg.h"
#include "res/Dialogs.h"
#include "res/Resource.h"
#include "tests/unit/Harness.h"

namespace {

using fake::FakeDialog;
using fake::FakeIcons;

constexpr const char* kEdit = "C:\\TOOLS\\EDIT.EXE";
constexpr const char* kPaint = "C:\\TOOLS\\PAINT.EXE";
constexpr const char* kIcons = "D:\\ART\\SET.DLL";

// What an icon static shows: "none", the source of a live fake icon, or "released" for a
// handle the dialog let go of while it was still shown.
std::string Shown(FakeDialog& d, int id) {
    const std::uintptr_t handle = d.shownIcons[id];
    if (handle == 0) return "none";
    const auto info = FakeIcons::Describe(handle);
    if (!info) return "released";
    return info->source + "@" + std::to_string(info->size);
}

std::vector<std::string> Messages(const fake::FakeDialogs& w) {
    std::vector<std::string> out;
    for (const auto& b : w.messageBoxes) out.push_back(b.text);
    return out;
}

// A program on the fake platform with a few files that hold icons.
class Editing : public testing::Test {
  protected:
    void SetUp() override {
        h.platform.icons.files[kEdit] = {{32, 48}};
        h.platform.icons.files[kPaint] = {{32}};
        h.platform.icons.files[kIcons] = {{32, 32, 32}};
        h.platform.icons.files["D:\\ART\\LOGO.ICO"] = {};
        Stored();
        ASSERT_TRUE(h.app.InitInstance());
        h.platform.log.clear();
        liveBefore = FakeIcons::LiveIcons();
    }
    virtual void Stored() {}
    void Script(fake::DialogScript script) {
        h.platform.dialogs.dialogScripts.push_back(std::move(script));
    }
    void Add() { h.main().OnCommand(ID_ADD_BUTTON); }
    CLaunchButton& button(int i) { return *h.main().m_buttons[static_cast<std::size_t>(i)]; }
    fake::FakeWindow& window(int i) { return *h.platform.windows.Find(button(i).Window()); }

    Harness h;
    int liveBefore = 0;
};

TEST_F(Editing, ANewEntryOpensEmptyWithANormalWindowAndTheSizeRange) {
    Script([&](FakeDialog& d) {
        EXPECT_EQ(d.Template().id, IDD_SETTING);
        EXPECT_EQ(h.main().m_nOpenDialogs, 1);
        EXPECT_EQ(Shown(d, dlg::kSetPreview), "none");
        EXPECT_EQ(d.comboItems[dlg::kSetShowMode],
                  (std::vector<std::string>{"通常のｳｲﾝﾄﾞｳ", "最小化", "最大化"}));
        EXPECT_EQ(d.ComboSelection(dlg::kSetShowMode), 0);
        EXPECT_EQ(d.ItemText(dlg::kSizeEdit), "36");
        EXPECT_EQ(d.spinRanges[dlg::kSizeSpin], (std::pair<int, int>{15, 200}));
        d.Type(dlg::kSetPath, kEdit);
        EXPECT_EQ(Shown(d, dlg::kSetPreview), std::string(kEdit) + "#0@32")
            << "the preview follows the path as soon as it changes";
    });
    Add();
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);
    EXPECT_EQ(FakeIcons::LiveIcons(), liveBefore) << "the preview icons are released";
}

TEST_F(Editing, AddingAppendsAButtonAt100x100NotOnTopAndWritesTheList) {
    Script([&](FakeDialog& d) {
        d.Type(dlg::kSetTitle, "Editor");
        d.Type(dlg::kSetPath, kEdit);
        d.Type(dlg::kSetDir, "C:\\WORK");
        d.Type(dlg::kSetParm, "-n");
        d.Choose(dlg::kSetShowMode, 2);
        d.Click(plat::mb::kIdOk);
    });
    Add();
    ASSERT_EQ(h.main().ButtonCount(), 1);
    EXPECT_EQ(window(0).rect, (plat::Rect{100, 100, 135, 135}));
    EXPECT_FALSE(window(0).topmost);
    EXPECT_EQ(window(0).owner, h.main().Window());
    EXPECT_EQ(h.StoredInt("Button", "Num"), 1);
    EXPECT_EQ(h.StoredString("Btn1", "Title"), "Editor");
    EXPECT_EQ(h.StoredString("Btn1", "AppName"), kEdit);
    EXPECT_EQ(h.StoredString("Btn1", "Dir"), "C:\\WORK");
    EXPECT_EQ(h.StoredString("Btn1", "Parm"), "-n");
    EXPECT_EQ(h.StoredString("Btn1", "Data"), "2,0,100,100,135,135");
    EXPECT_EQ(h.StoredInt("Btn1", "Option"), 0);
    EXPECT_EQ(h.StoredInt("Btn1", "Size"), 36);
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);
}

TEST_F(Editing, CancellingAnAdditionCreatesAndWritesNothing) {
    Script([](FakeDialog& d) {
        d.Type(dlg::kSetPath, kEdit);
        d.Click(plat::mb::kIdCancel);
    });
    Add();
    EXPECT_EQ(h.main().ButtonCount(), 0);
    EXPECT_TRUE(h.Calls("Store.Write").empty());
    EXPECT_TRUE(h.Calls("Windows.CreateModeless").empty());
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);
    EXPECT_EQ(FakeIcons::LiveIcons(), liveBefore);
}

struct SizeCase {
    const char* typed;
    const char* message;  // empty: accepted
};
class Sizes : public Editing, public testing::WithParamInterface<SizeCase> {};

TEST_P(Sizes, AreCheckedAsUnsignedNumbersIn15To200) {
    bool ended = false;
    Script([&](FakeDialog& d) {
        d.Type(dlg::kSetPath, kEdit);
        d.Type(dlg::kSetTitle, "t");
        d.focusedItem = -1;
        d.Type(dlg::kSizeEdit, GetParam().typed);
        d.Click(plat::mb::kIdOk);
        ended = d.Ended();
        if (!ended) {
            EXPECT_EQ(d.focusedItem, dlg::kSizeEdit);
            EXPECT_TRUE(d.focusSelectsAll);
        }
    });
    Add();
    const std::string message = GetParam().message;
    if (message.empty()) {
        EXPECT_TRUE(ended);
        EXPECT_TRUE(h.platform.dialogs.messageBoxes.empty());
        EXPECT_EQ(h.StoredInt("Btn1", "Size"), std::stoi(GetParam().typed));
        EXPECT_EQ(window(0).rect.Width(), std::stoi(GetParam().typed) - 1);
    } else {
        EXPECT_FALSE(ended) << "the dialog stays open";
        EXPECT_EQ(Messages(h.platform.dialogs), std::vector<std::string>{message});
        EXPECT_EQ(h.platform.dialogs.messageBoxes[0].caption, "Vopdrant");
        EXPECT_EQ(h.main().ButtonCount(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Typed, Sizes,
    testing::Values(SizeCase{"14", "15 から 200 までの整数を入力してください。"},
                    SizeCase{"201", "15 から 200 までの整数を入力してください。"},
                    SizeCase{"-1", "正の整数を入力してください。"},
                    SizeCase{"-4294967196", "正の整数を入力してください。"},
                    SizeCase{"abc", "正の整数を入力してください。"},
                    SizeCase{"", "正の整数を入力してください。"}, SizeCase{"15", ""},
                    SizeCase{"200", ""}));

struct PathCase {
    const char* typed;
    bool accepted;
};
class Paths : public Editing, public testing::WithParamInterface<PathCase> {};

TEST_P(Paths, ABlankPathIsRefusedAndLeadingBlanksAreKept) {
    bool ended = false;
    Script([&](FakeDialog& d) {
        d.Type(dlg::kSetPath, GetParam().typed);
        d.Click(plat::mb::kIdOk);
        ended = d.Ended();
    });
    Add();
    EXPECT_EQ(ended, GetParam().accepted);
    if (GetParam().accepted) {
        EXPECT_EQ(h.StoredString("Btn1", "AppName"), GetParam().typed);
    } else {
        ASSERT_EQ(h.platform.dialogs.messageBoxes.size(), 1u);
        EXPECT_EQ(h.platform.dialogs.messageBoxes[0].text, "ｱﾌﾟﾘｹｰｼｮﾝが指定されていません。");
        EXPECT_EQ(h.platform.dialogs.messageBoxes[0].caption, "Vopdrant");
        EXPECT_EQ(h.platform.dialogs.messageBoxes[0].type, plat::mb::kOk);
    }
}

INSTANTIATE_TEST_SUITE_P(Typed, Paths,
                         testing::Values(PathCase{"", false}, PathCase{"   ", false},
                                         PathCase{" \t ", false}, PathCase{"  C:\\A.EXE", true}));

TEST_F(Editing, BrowsingAsksWithTheProgramFilterAndFillsOnlyThePath) {
    h.platform.dialogs.openFileAnswers.push_back(kPaint);
    Script([&](FakeDialog& d) {
        d.Type(dlg::kSetTitle, "mine");
        d.Click(dlg::kSetBrowse);
        EXPECT_EQ(d.ItemText(dlg::kSetPath), kPaint);
        EXPECT_EQ(d.ItemText(dlg::kSetTitle), "mine");
        EXPECT_EQ(Shown(d, dlg::kSetPreview), std::string(kPaint) + "#0@32");
        d.Click(dlg::kSetBrowse);  // cancelled this time
        EXPECT_EQ(d.ItemText(dlg::kSetPath), kPaint);
    });
    Add();
    ASSERT_EQ(h.platform.dialogs.openFileCalls.size(), 2u);
    const fake::OpenFileCall& call = h.platform.dialogs.openFileCalls[0];
    EXPECT_EQ(call.filter,
              "実行ﾌｧｲﾙ(*.exe ;*.com) |*.exe;*.com|ﾄﾞｷｭﾒﾝﾄ ﾌｧｲﾙ(*.doc;*.txt)|*.doc;*.txt|"
              "すべてのﾌｧｲﾙ(*.*)|*.*||");
    EXPECT_EQ(call.initialName, "*.exe;*.com");
    EXPECT_EQ(call.flags, 6u);
}

TEST_F(Editing, OnlyTheFirstOfSeveralDroppedFilesGoesIntoThePath) {
    Script([&](FakeDialog& d) {
        d.Type(dlg::kSetTitle, "keep");
        d.Type(dlg::kSetDir, "C:\\STAY");
        d.Drop({kPaint, kEdit, "C:\\THIRD.TXT"});
        EXPECT_EQ(d.ItemText(dlg::kSetPath), kPaint);
        EXPECT_EQ(d.ItemText(dlg::kSetTitle), "keep");
        EXPECT_EQ(d.ItemText(dlg::kSetDir), "C:\\STAY");
        EXPECT_EQ(Shown(d, dlg::kSetPreview), std::string(kPaint) + "#0@32");
    });
    Add();
}

// --- A stored button's settings (its menu's command) -----------------------------------------

class StoredEntry : public Editing {
  protected:
    void Stored() override {
        h.store().Put("Button", "Num", 1);
        h.StoreButton(1, kEdit, 300, 200, 1 | 4);
        h.store().Put("Btn1", "Title", "Editor");
        h.store().Put("Btn1", "Data", "5,1,300,200,0,0");
    }
    void Settings() { button(0).OnCommand(ID_BUTTON_SETTINGS); }
    std::string FaceIcon() {
        const auto info = FakeIcons::Describe(h.platform.graphics.faces.back().icon);
        return info ? info->source : "none";
    }
};

TEST_F(StoredEntry, OpensWithTheStoredIconAndNoShowModeAndOkStoresMinusOne) {
    Script([&](FakeDialog& d) {
        EXPECT_EQ(h.main().m_nOpenDialogs, 1);
        EXPECT_EQ(d.ItemText(dlg::kSetTitle), "Editor");
        EXPECT_EQ(d.ItemText(dlg::kSetPath), kEdit);
        EXPECT_EQ(d.ComboSelection(dlg::kSetShowMode), -1);
        EXPECT_EQ(Shown(d, dlg::kSetPreview), std::string(kEdit) + "#1@32");
        d.Click(plat::mb::kIdOk);
    });
    Settings();
    EXPECT_EQ(button(0).Info().showMode, -1);
    EXPECT_EQ(h.StoredString("Btn1", "Data").rfind("-1,1,", 0), 0u) << "written at once";
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);
}

TEST_F(StoredEntry, ANewPathShowsItsFirstIconButKeepsTheStoredIndex) {
    Script([&](FakeDialog& d) {
        d.Type(dlg::kSetPath, kIcons);
        EXPECT_EQ(Shown(d, dlg::kSetPreview), std::string(kIcons) + "#0@32");
        d.Click(plat::mb::kIdOk);
    });
    Settings();
    EXPECT_EQ(button(0).Info().iconIndex, 1);
    EXPECT_EQ(FaceIcon(), std::string(kIcons) + "#1");
}

TEST_F(StoredEntry, WithAnIconFileSetANewPathLeavesThePreviewAlone) {
    h.store().Put("Btn1", "Icon", kIcons);
    h.main().m_buttons.clear();
    h.main().LoadAllButtons();
    Script([&](FakeDialog& d) {
        const std::string before = Shown(d, dlg::kSetPreview);
        EXPECT_EQ(before, std::string(kIcons) + "#1@32");
        d.Type(dlg::kSetPath, kPaint);
        d.Drop({kEdit});
        EXPECT_EQ(Shown(d, dlg::kSetPreview), before);
    });
    Settings();
}

TEST_F(StoredEntry, OkAppliesTheEditWhereTheButtonStandsKeepingItsOptionWord) {
    button(0).MoveTo(400, 250);
    Script([&](FakeDialog& d) {
        d.Type(dlg::kSizeEdit, "48");
        d.Type(dlg::kSetPath, kPaint);
        d.Click(plat::mb::kIdOk);
    });
    h.platform.graphics.faces.clear();
    Settings();
    EXPECT_EQ(window(0).rect, (plat::Rect{400, 250, 447, 297}));
    EXPECT_TRUE(window(0).topmost);
    EXPECT_EQ(button(0).Option(), 5);
    EXPECT_EQ(window(0).toolTip, "Editor");
    ASSERT_FALSE(h.platform.graphics.faces.empty());
    EXPECT_EQ(FaceIcon(), "shell:" + std::string(kPaint)) << "PAINT.EXE has no icon 1";
    EXPECT_EQ(h.StoredInt("Btn1", "Size"), 48);
    EXPECT_EQ(h.StoredString("Btn1", "AppName"), kPaint);
    EXPECT_EQ(h.StoredInt("Btn1", "Option"), 5);
    EXPECT_EQ(FakeIcons::LiveIcons(), liveBefore);
}

TEST_F(StoredEntry, CancelAfterAnIconChangeLeavesTheEntryAsItWas) {
    const ButtonInfo before = button(0).Info();
    Script([&](FakeDialog& d) {
        d.Type(dlg::kSetTitle, "other");
        d.Click(dlg::kSetChangeIcon);
        EXPECT_EQ(Shown(d, dlg::kSetPreview), std::string(kEdit) + "#0@32");
        d.Click(plat::mb::kIdCancel);
    });
    Script([](FakeDialog& icon) {
        icon.Click(dlg::kIconPrevious);
        icon.Click(plat::mb::kIdOk);
    });
    Settings();
    EXPECT_EQ(button(0).Info(), before);
    EXPECT_TRUE(h.Calls("Store.Write").empty());
    EXPECT_EQ(FakeIcons::LiveIcons(), liveBefore);
}

TEST_F(StoredEntry, TheIconChangeDialogGetsThePathAsTypedAndItsChoiceReachesTheEntry) {
    Script([&](FakeDialog& d) {
        d.Type(dlg::kSetPath, kIcons);
        d.Click(dlg::kSetChangeIcon);
        EXPECT_EQ(Shown(d, dlg::kSetPreview), std::string(kIcons) + "#2@32");
        d.Click(plat::mb::kIdOk);
    });
    Script([](FakeDialog& icon) {
        EXPECT_EQ(icon.Template().id, IDD_ICONCHANGE);
        EXPECT_EQ(Shown(icon, dlg::kIconPreview), std::string(kIcons) + "#1@32");
        icon.Click(dlg::kIconNext);
        icon.Click(plat::mb::kIdOk);
    });
    Settings();
    EXPECT_EQ(button(0).Info().iconIndex, 2);
    EXPECT_EQ(button(0).Info().iconFile, "");
    EXPECT_EQ(FaceIcon(), std::string(kIcons) + "#2");
}

// --- The icon change dialog on its own -------------------------------------------------------

class IconChange : public testing::Test {
  protected:
    void SetUp() override {
        platform.icons.files["C:\\P\\FIVE.EXE"] = {{32, 32, 32, 32, 32}};
        platform.icons.files["C:\\P\\THREE.DLL"] = {{16, 32, 48}};
        platform.icons.files["C:\\P\\LOGO.ICO"] = {};
        dialog.m_appName = "C:\\P\\FIVE.EXE";
    }
    // Runs the dialog with the script; its result.
    int Run(fake::DialogScript script) {
        platform.dialogs.dialogScripts.push_back(std::move(script));
        const int result = dialog.DoModal({});
        EXPECT_EQ(FakeIcons::LiveIcons(), 0) << "every preview icon is released";
        return result;
    }

    fake::FakePlatform platform;
    CIconChangeDlg dialog{platform};
};

TEST_F(IconChange, TheArrowsStepThroughTheIconsAndStopAtEitherEnd) {
    dialog.m_iconIndex = 2;
    std::vector<std::string> seen;
    Run([&](FakeDialog& d) {
        auto step = [&](int id, int times) {
            for (int i = 0; i < times; ++i) {
                d.Click(id);
                seen.push_back(Shown(d, dlg::kIconPreview));
            }
        };
        seen.push_back(Shown(d, dlg::kIconPreview));
        step(dlg::kIconNext, 3);
        step(dlg::kIconPrevious, 5);
        EXPECT_EQ(d.ItemText(dlg::kIconFile), "");
        d.Click(plat::mb::kIdOk);
    });
    const std::string f = "C:\\P\\FIVE.EXE#";
    EXPECT_EQ(seen,
              (std::vector<std::string>{f + "2@32", f + "3@32", f + "4@32", f + "4@32", f + "3@32",
                                        f + "2@32", f + "1@32", f + "0@32", f + "0@32"}));
    EXPECT_EQ(dialog.m_iconIndex, 0);
    EXPECT_EQ(dialog.m_iconFile, "");
    EXPECT_EQ(platform.system.beeps, 0);
    EXPECT_TRUE(platform.dialogs.messageBoxes.empty());
}

struct OpeningCase {
    int stored;
    int shown;
};
class Opening : public IconChange, public testing::WithParamInterface<OpeningCase> {};

TEST_P(Opening, AnIndexOutsideTheFileOpensAtItsFirstIcon) {
    dialog.m_iconFile = "C:\\P\\THREE.DLL";
    dialog.m_iconIndex = GetParam().stored;
    std::string shown;
    Run([&](FakeDialog& d) {
        EXPECT_EQ(d.ItemText(dlg::kIconFile), "C:\\P\\THREE.DLL");
        shown = Shown(d, dlg::kIconPreview);
        d.Click(plat::mb::kIdOk);
    });
    EXPECT_EQ(shown, "C:\\P\\THREE.DLL#" + std::to_string(GetParam().shown) + "@32");
    EXPECT_EQ(dialog.m_iconIndex, GetParam().shown);
    EXPECT_EQ(dialog.m_iconFile, "C:\\P\\THREE.DLL");
}

INSTANTIATE_TEST_SUITE_P(Indexes, Opening,
                         testing::Values(OpeningCase{7, 0}, OpeningCase{3, 0}, OpeningCase{-1, 0},
                                         OpeningCase{2, 2}));

TEST_F(IconChange, BrowsingToTheProgramItselfKeepsTheIconFileEmpty) {
    dialog.m_iconFile = "C:\\P\\THREE.DLL";
    dialog.m_iconIndex = 2;
    platform.dialogs.openFileAnswers.push_back("c:\\p\\five.exe");
    Run([&](FakeDialog& d) {
        d.Click(dlg::kIconBrowse);
        EXPECT_EQ(d.ItemText(dlg::kIconFile), "");
        EXPECT_EQ(Shown(d, dlg::kIconPreview), "C:\\P\\FIVE.EXE#0@32");
        d.Click(plat::mb::kIdOk);
    });
    EXPECT_EQ(dialog.m_iconFile, "");
    EXPECT_EQ(dialog.m_iconIndex, 0);
    ASSERT_EQ(platform.dialogs.openFileCalls.size(), 1u);
    EXPECT_EQ(platform.dialogs.openFileCalls[0].filter,
              "ｱｲｺﾝﾌｧｲﾙ|*.exe;*.com;*.dll;*.ico|ﾌﾟﾛｸﾞﾗﾑ|*.exe;*.com|ﾗｲﾌﾞﾗﾘ|*.dll|ｱｲｺﾝ|*.ico|"
              "すべてのﾌｧｲﾙ|*.*||");
    EXPECT_EQ(platform.dialogs.openFileCalls[0].initialName, "*.exe;*.com;*.dll;*.ico");
    EXPECT_EQ(platform.dialogs.openFileCalls[0].flags, 6u);
}

TEST_F(IconChange, AnIcoFileShowsItsPictureAndOffersNoStepping) {
    dialog.m_iconIndex = 3;
    platform.dialogs.openFileAnswers.push_back("C:\\P\\LOGO.ICO");
    Run([&](FakeDialog& d) {
        d.Click(dlg::kIconBrowse);
        EXPECT_EQ(d.ItemText(dlg::kIconFile), "C:\\P\\LOGO.ICO");
        EXPECT_EQ(Shown(d, dlg::kIconPreview), "shell:C:\\P\\LOGO.ICO@32");
        d.Click(dlg::kIconNext);
        d.Click(dlg::kIconPrevious);
        EXPECT_EQ(Shown(d, dlg::kIconPreview), "shell:C:\\P\\LOGO.ICO@32");
        d.Click(plat::mb::kIdOk);
    });
    EXPECT_EQ(dialog.m_iconFile, "C:\\P\\LOGO.ICO");
    EXPECT_EQ(dialog.m_iconIndex, 0);
}

TEST_F(IconChange, TheDefaultIconButtonGoesBackToTheProgramsFirstIcon) {
    dialog.m_iconFile = "C:\\P\\THREE.DLL";
    dialog.m_iconIndex = 1;
    Run([&](FakeDialog& d) {
        d.Click(dlg::kIconDefault);
        EXPECT_EQ(d.ItemText(dlg::kIconFile), "");
        EXPECT_EQ(Shown(d, dlg::kIconPreview), "C:\\P\\FIVE.EXE#0@32");
        d.Click(plat::mb::kIdOk);
    });
    EXPECT_EQ(dialog.m_iconFile, "");
    EXPECT_EQ(dialog.m_iconIndex, 0);
}

TEST_F(IconChange, AFileWithoutAnyIconKeepsTheOldPictureAlive) {
    dialog.m_iconIndex = 4;
    platform.dialogs.openFileAnswers.push_back("C:\\GONE\\NOTHING.DAT");
    Run([&](FakeDialog& d) {
        d.Click(dlg::kIconBrowse);
        EXPECT_EQ(d.ItemText(dlg::kIconFile), "C:\\GONE\\NOTHING.DAT");
        EXPECT_EQ(Shown(d, dlg::kIconPreview), "C:\\P\\FIVE.EXE#4@32");
        d.Click(plat::mb::kIdCancel);
    });
}

}  // namespace
