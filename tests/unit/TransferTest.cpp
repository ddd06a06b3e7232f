#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/SettingsFile.h"
#include "app/SettingsTransfer.h"
#include "clock/WatchWnd.h"
#include "res/Resource.h"
#include "tests/unit/Harness.h"

namespace {

constexpr const char* kFile = "D:\\移行\\Brisalto.ini";

struct Started : Harness {
    explicit Started(int buttons) {
        for (int n = 1; n <= buttons; ++n)
            StoreButton(n, "C:\\B\\" + std::to_string(n) + ".EXE", n * 40, 10);
        store().Put("Button", "Num", buttons);
        EXPECT_TRUE(app.InitInstance());
    }
    std::vector<ButtonInfo> Buttons() {
        std::vector<ButtonInfo> infos;
        for (auto& b : main().m_buttons) {
            ButtonInfo info;
            int option = 0;
            b->GetInfo(info, option);
            infos.push_back(info);
        }
        return infos;
    }
    void Import(const std::string& text, int answer = plat::mb::kIdYes) {
        platform.system.files[kFile] = text;
        platform.dialogs.openFileAnswers.push_back(kFile);
        platform.dialogs.messageBoxAnswers.push_back(answer);
        main().OnCommand(ID_IMPORT);
    }
    std::size_t Popups() { return Calls("Windows.CreatePopup").size(); }
};

TEST(Transfer, AnExportImportedOnAnotherPcGivesTheSameButtonsAndClock) {
    Harness source;
    for (int n = 1; n <= 3; ++n)
        source.StoreButton(n, "C:\\B\\" + std::to_string(n) + ".EXE", n * 40, 10);
    source.store().Put("Button", "Num", 3);
    source.store().Put("Btn2", "Title", "エディタ \"一\"");
    source.store().Put("Btn3", "Parm", "-a\r\n-b");
    source.store().Put("Watch", "BkColor", "255");
    source.store().Put("Watch", "Show", 1);
    ASSERT_TRUE(source.app.InitInstance());
    source.platform.dialogs.saveFileAnswers.push_back(kFile);
    source.main().OnCommand(ID_EXPORT);
    ASSERT_EQ(source.platform.dialogs.saveFileCalls.size(), 1u);
    EXPECT_EQ(source.platform.dialogs.saveFileCalls[0].flags,
              plat::ofn::kOverwritePrompt | plat::ofn::kHideReadOnly);
    const std::string text = source.platform.system.files[kFile];
    EXPECT_EQ(text.rfind("[Button]\r\nNum=dword:3\r\n", 0), 0u) << text;
    std::vector<ButtonInfo> want;
    for (auto& b : source.main().m_buttons) want.push_back(b->Info());

    Started to(5);
    to.Import(text);
    ASSERT_EQ(to.platform.dialogs.messageBoxes.size(), 1u);
    EXPECT_NE(to.platform.dialogs.messageBoxes[0].text.find(" 3 個のﾎﾞﾀﾝ"), std::string::npos);
    EXPECT_EQ(to.platform.dialogs.messageBoxes[0].type, plat::mb::kYesNo | plat::mb::kIconQuestion);
    EXPECT_EQ(to.Buttons(), want);
    EXPECT_NE(to.main().m_pWatch, nullptr);
    EXPECT_EQ(to.StoredString("Watch", "BkColor"), "255");
    EXPECT_EQ(to.StoredInt("Button", "Num"), 3);
    EXPECT_EQ(to.StoredString("Btn3", "Parm"), "-a\r\n-b");
    // The next start reads the same.
    Harness next;
    next.store().Replace(to.store().All());
    ASSERT_TRUE(next.app.InitInstance());
    std::vector<ButtonInfo> again;
    for (auto& b : next.main().m_buttons) again.push_back(b->Info());
    EXPECT_EQ(again, want);
}

TEST(Transfer, AnImportIsOneChangeAndKeepsTheWindowsThereAre) {
    Started h(5);
    const std::size_t popups = h.Popups();
    const int begun = h.store().changesBegun;
    const int committed = h.store().changesCommitted;
    h.Import("[Button]\r\nNum=dword:7\r\n[Btn1]\r\nAppName=\"C:\\X.EXE\"\r\n");
    EXPECT_EQ(h.main().ButtonCount(), 7);
    EXPECT_EQ(h.Popups() - popups, 2u) << "five windows taken over, two made";
    EXPECT_EQ(h.main().m_buttons[0]->Info().appName, "C:\\X.EXE");
    EXPECT_EQ(h.store().changesBegun - begun, h.store().changesCommitted - committed);
    // Outside that one change nothing was written: every write came while it was open.
    EXPECT_EQ(h.StoredString("Btn1", "AppName"), "C:\\X.EXE");
    EXPECT_EQ(h.StoredString("Btn6", "AppName"), "");

    const std::size_t destroyed = h.Calls("Windows.DestroyWindow").size();
    h.Import("[Button]\r\nNum=dword:2\r\n");
    EXPECT_EQ(h.main().ButtonCount(), 2);
    EXPECT_EQ(h.Calls("Windows.DestroyWindow").size() - destroyed, 5u);
    EXPECT_EQ(h.StoredInt("Button", "Num"), 2);
}

// Buttons that stay in their band keep their places among the windows (restacking a thousand is
// what made an import slow); one that changes band goes into its new one, and buttons hidden
// from the tray stay hidden, taken over or new.
TEST(Transfer, AnImportRestacksOnlyTheButtonsThatChangeBandAndKeepsHiddenOnesHidden) {
    Started h(3);
    h.platform.log.clear();
    h.Import(
        "[Button]\r\nNum=dword:3\r\n[Btn1]\r\nData=\"0,0,5,5,0,0\"\r\n"
        "[Btn2]\r\nData=\"0,0,50,5,0,0\"\r\nOption=dword:1\r\n"
        "[Btn3]\r\nData=\"0,0,95,5,0,0\"\r\n");
    std::vector<std::string> orders;
    for (const auto& call : h.Calls("Windows.SetWindowPos"))
        orders.push_back(call.substr(0, call.find(" flags")));
    EXPECT_EQ(orders, (std::vector<std::string>{"Windows.SetWindowPos keep 5,5 35x35",
                                                "Windows.SetWindowPos topmost 50,5 35x35",
                                                "Windows.SetWindowPos keep 95,5 35x35"}));
    EXPECT_TRUE(h.platform.windows.Find(h.main().m_buttons[1]->Window())->topmost);

    h.main().OnTrayEvent(plat::tray::kLButtonDblClk, {});  // hides them
    h.Import("[Button]\r\nNum=dword:5\r\n");
    ASSERT_EQ(h.main().ButtonCount(), 5);
    for (auto& b : h.main().m_buttons) EXPECT_FALSE(h.platform.windows.Find(b->Window())->visible);
}

TEST(Transfer, DamagedValuesOfAnImportReadAsTheDefaults) {
    Started h(1);
    h.Import(
        "[Button]\r\nNum=dword:2\r\n[Btn1]\r\nSize=\"big\"\r\nData=dword:5\r\nTitle=escaped:"
        "\"\\q\"\r\n"
        "[Watch]\r\nBkColor=dword:1\r\nShow=\"1\"\r\n");
    ASSERT_EQ(h.main().ButtonCount(), 2);
    EXPECT_EQ(h.main().m_buttons[0]->Info().size, kDefaultButtonSize);
    EXPECT_EQ(h.main().m_buttons[0]->Info().title, "");
    EXPECT_EQ(h.main().m_pWatch, nullptr);
    EXPECT_EQ(h.StoredString("Watch", "BkColor"), "12632256");
}

TEST(Transfer, NoKeepsEverythingAsItWas) {
    Started h(2);
    const std::vector<ButtonInfo> before = h.Buttons();
    const std::size_t writes = h.Calls("Store.Write").size();
    h.Import("[Button]\r\nNum=dword:0\r\n", plat::mb::kIdNo);
    EXPECT_EQ(h.Buttons(), before);
    EXPECT_EQ(h.Calls("Store.Write").size(), writes);
}

class TransferRefusal : public testing::TestWithParam<std::string> {};

TEST_P(TransferRefusal, AFileNotOursIsRefusedWithABoxAndNothingChanged) {
    Started h(2);
    const std::vector<ButtonInfo> before = h.Buttons();
    const std::size_t writes = h.Calls("Store.Write").size();
    h.Import(GetParam());
    ASSERT_EQ(h.platform.dialogs.messageBoxes.size(), 1u);
    EXPECT_EQ(h.platform.dialogs.messageBoxes[0].text,
              "Brisaltoの設定ﾌｧｲﾙではないため、読み込めません。何も変更していません。");
    EXPECT_EQ(h.Buttons(), before);
    EXPECT_EQ(h.Calls("Store.Write").size(), writes);
}

INSTANTIATE_TEST_SUITE_P(Files, TransferRefusal,
                         testing::Values(std::string(), std::string("hello\r\n"),
                                         std::string("\x00\xFF\xFE[", 4),
                                         std::string("[Watch]\r\nShow=dword:1\r\n"),
                                         std::string("[Button]\r\nNum=\"3\"\r\n"),
                                         "[Button]\r\nNum=dword:1\r\n" +
                                             std::string(kMaxSettingsFileBytes, ' ')));

TEST(Transfer, AnUnreadableOrUnwritableFileIsSaid) {
    Started h(1);
    h.platform.dialogs.openFileAnswers.push_back("C:\\missing.ini");
    h.main().OnCommand(ID_IMPORT);
    h.platform.system.writesFail = true;
    h.platform.dialogs.saveFileAnswers.push_back(kFile);
    h.main().OnCommand(ID_EXPORT);
    ASSERT_EQ(h.platform.dialogs.messageBoxes.size(), 2u);
    EXPECT_EQ(h.platform.dialogs.messageBoxes[1].text, "設定ﾌｧｲﾙに書き込めませんでした。");
    EXPECT_EQ(h.main().ButtonCount(), 1);
}

// A count edited by hand far past the sections there are: those past the bound go along up to
// the first without a program, not a billion empty ones.
TEST(Transfer, AnExportTakesTheStoredButtonsPastTheBoundThatHoldAProgram) {
    Harness h;
    for (int n = 1; n <= kMaxButtons + 2; ++n) h.StoreButton(n, "C:\\P.EXE", 10, 10);
    h.store().Put("Button", "Num", 2'000'000'000);
    h.platform.dialogs.messageBoxAnswers.push_back(plat::mb::kIdOk);
    ASSERT_TRUE(h.app.InitInstance());
    h.platform.dialogs.saveFileAnswers.push_back(kFile);
    h.main().OnCommand(ID_EXPORT);
    SettingsText file(h.platform.system.files[kFile]);
    EXPECT_EQ(file.ReadInt("Button", "Num", 0), kMaxButtons + 2);
    EXPECT_TRUE(file.HasSection("Btn2002"));
    EXPECT_FALSE(file.HasSection("Btn2003"));
}

}  // namespace
