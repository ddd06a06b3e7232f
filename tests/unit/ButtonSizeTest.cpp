#include <gtest/gtest.h>

#include "app/DataExchange.h"
#include "res/Dialogs.h"
#include "res/Resource.h"
#include "tests/unit/Harness.h"

namespace {

struct NumberCase {
    const char* text;
    NumberKind kind;
    std::optional<long long> value;
};
class Numbers : public testing::TestWithParam<NumberCase> {};

TEST_P(Numbers, ReadTheWholeTextOrNothing) {
    EXPECT_EQ(ParseNumber(GetParam().text, GetParam().kind), GetParam().value)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Numbers,
    testing::Values(
        NumberCase{"36", NumberKind::Signed, 36}, NumberCase{"  15", NumberKind::Signed, 15},
        NumberCase{"-4", NumberKind::Signed, -4}, NumberCase{"", NumberKind::Signed, std::nullopt},
        NumberCase{"abc", NumberKind::Signed, std::nullopt},
        NumberCase{"12x", NumberKind::Signed, std::nullopt},
        NumberCase{"12 ", NumberKind::Signed, std::nullopt},
        NumberCase{"-", NumberKind::Signed, std::nullopt},
        NumberCase{"99999999999999999999", NumberKind::Signed, 10'000'000'000LL},
        NumberCase{"-1", NumberKind::Unsigned, std::nullopt},
        NumberCase{"-4294967196", NumberKind::Unsigned, std::nullopt},
        NumberCase{"+20", NumberKind::Unsigned, 20}, NumberCase{"200", NumberKind::Unsigned, 200}));

// The size dialog, run with what the user types and then OK.
class SizeDialog : public testing::Test {
  protected:
    void SetUp() override {
        h.store().Put("Button", "Num", 2);
        h.StoreButton(1, "C:\\A.EXE", 10, 20);
        h.StoreButton(2, "C:\\B.EXE", 300, 400);
        h.store().Put("Btn2", "Size", 48);
        ASSERT_TRUE(h.app.InitInstance());
    }
    // Types each text in turn and presses OK after each; the dialog is cancelled at the end
    // if it is still open.
    void Run(const std::vector<std::string>& typed) {
        h.platform.dialogs.dialogScripts.push_back([this, typed](fake::FakeDialog& d) {
            opened = d.ItemText(dlg::kSizeEdit);
            spin = d.spinRanges[dlg::kSizeSpin];
            countedOpen = h.main().m_nOpenDialogs;
            for (const auto& t : typed) {
                d.SetItemText(dlg::kSizeEdit, t);
                d.Click(plat::mb::kIdOk);
                if (d.Ended()) return;
                EXPECT_EQ(d.focusedItem, dlg::kSizeEdit);
                EXPECT_TRUE(d.focusSelectsAll);
            }
        });
        h.main().OnCommand(ID_SAME_SIZE);
    }
    std::vector<std::string> Messages() {
        std::vector<std::string> out;
        for (const auto& b : h.platform.dialogs.messageBoxes) out.push_back(b.text);
        return out;
    }
    plat::Rect Rect(int i) {
        return h.platform.windows.Find(h.main().m_buttons[static_cast<std::size_t>(i)]->Window())
            ->rect;
    }

    Harness h;
    std::string opened;
    std::pair<int, int> spin;
    int countedOpen = 0;
};

TEST_F(SizeDialog, OpensAt36AndGivesEveryButtonTheSizeKeepingItsCorner) {
    Run({"36"});
    EXPECT_EQ(opened, "36");
    EXPECT_EQ(spin, (std::pair<int, int>{15, 200}));
    EXPECT_EQ(countedOpen, 1);
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);
    EXPECT_EQ(Rect(0), (plat::Rect{10, 20, 45, 55}));
    EXPECT_EQ(Rect(1), (plat::Rect{300, 400, 335, 435}));
    EXPECT_EQ(h.main().m_buttons[1]->Info().size, plat::Dip(36));
    EXPECT_EQ(h.StoredInt("Btn2", "Size"), 36) << "the new size is written at once";
}

TEST_F(SizeDialog, RefusesWhatIsNoNumberOrOutOfRangeAndStaysOpen) {
    Run({"", "abc", "14", "201", "200"});
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"整数を入力してください。", "整数を入力してください。",
                                        "15 から 200 までの整数を入力してください。",
                                        "15 から 200 までの整数を入力してください。"}));
    EXPECT_EQ(h.platform.dialogs.messageBoxes[0].caption, "Vopdrant");
    EXPECT_EQ(Rect(0).Width(), 199);
}

TEST_F(SizeDialog, TheSmallestSizeIsAccepted) {
    Run({"15"});
    EXPECT_EQ(Rect(0).Width(), 14);
}

TEST_F(SizeDialog, CancelChangesNoButton) {
    h.platform.dialogs.dialogScripts.push_back([](fake::FakeDialog& d) {
        d.SetItemText(dlg::kSizeEdit, "100");
        d.Click(plat::mb::kIdCancel);
    });
    h.platform.log.clear();
    h.main().OnCommand(ID_SAME_SIZE);
    EXPECT_EQ(Rect(1), (plat::Rect{300, 400, 347, 447}));
    EXPECT_TRUE(h.Calls("Store.Write").empty());
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);
}

}  // namespace
