#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <utility>

#include "app/ButtonStore.h"
#include "app/StoredValues.h"
#include "button/GetComma.h"
#include "res/Resource.h"
#include "tests/unit/Harness.h"

namespace {

TEST(ButtonEntry, AnEmptySectionReadsTheDefaults) {
    Harness h;
    ButtonInfo info;
    info.title = "old";
    int option = 77;
    LoadButtonInfo(h.store(), 3, info, option);
    ButtonInfo expected;
    expected.size = plat::Dip(36);
    EXPECT_EQ(info, expected);
    EXPECT_EQ(option, 0);
    // Reading opened the section, as the registry does.
    EXPECT_TRUE(h.store().HasSection("Btn3"));
    EXPECT_EQ(
        h.Calls("Store.Read"),
        (std::vector<std::string>{"Store.ReadString Btn3/Title", "Store.ReadString Btn3/AppName",
                                  "Store.ReadString Btn3/Dir", "Store.ReadString Btn3/Parm",
                                  "Store.ReadString Btn3/Icon", "Store.ReadInt Btn3/Size",
                                  "Store.ReadString Btn3/Data", "Store.ReadInt Btn3/Option"}));
}

TEST(ButtonEntry, WritesEveryKeyInOrderWithItsTypeAndFormat) {
    Harness h;
    ButtonInfo info;
    info.size = plat::Dip(48);
    info.at = {-20, 100};
    info.extent = {plat::Dip(47), plat::Dip(47)};
    info.title = "エディタ";
    info.appName = "C:\\ツール\\EDIT.EXE";
    info.showMode = 2;
    info.iconIndex = 5;
    SaveButtonInfo(h.store(), 12, info, 0x7FFFFFFE);
    EXPECT_EQ(
        h.Calls("Store.Write"),
        (std::vector<std::string>{"Store.WriteString Btn12/Title=エディタ",
                                  "Store.WriteString Btn12/AppName=C:\\ツール\\EDIT.EXE",
                                  "Store.WriteString Btn12/Dir=", "Store.WriteString Btn12/Parm=",
                                  "Store.WriteString Btn12/Icon=", "Store.WriteInt Btn12/Size=48",
                                  "Store.WriteString Btn12/Data=2,5,-20,100,27,147",
                                  "Store.WriteInt Btn12/Option=2147483646"}));
}

TEST(ButtonEntry, SurvivesARoundTripWithOptionBitsOtherThanTopmost) {
    Harness h;
    ButtonInfo info;
    info.size = plat::Dip(200);
    info.at = {1, 2};
    info.extent = {plat::Dip(2), plat::Dip(2)};
    info.title = "t";
    info.appName = "a";
    info.dir = "d";
    info.parm = "-p \"x\"";
    info.showMode = 1;
    info.iconFile = "C:\\icons\\x.ico";
    info.iconIndex = -3;
    for (int option : {0, 1, 2, 6, -1, INT_MIN}) {
        SaveButtonInfo(h.store(), 1, info, option);
        ButtonInfo back;
        int backOption = 0;
        LoadButtonInfo(h.store(), 1, back, backOption);
        EXPECT_EQ(back, info);
        EXPECT_EQ(backOption, option);
    }
}

TEST(ButtonEntry, ValuesOfTheWrongTypeReadAsTheDefaults) {
    Harness h;
    h.store().Put("Btn1", "Title", 5);  // an integer where a string is kept
    h.store().Put("Btn1", "AppName", fake::Other{});
    h.store().Put("Btn1", "Size", "48");  // a string where an integer is kept
    h.store().Put("Btn1", "Data", 7);
    h.store().Put("Btn1", "Option", fake::Other{});
    ButtonInfo info;
    int option = 9;
    LoadButtonInfo(h.store(), 1, info, option);
    ButtonInfo expected;
    expected.size = plat::Dip(36);
    EXPECT_EQ(info, expected);
    EXPECT_EQ(option, 0);
}

TEST(ButtonEntry, AShortDataListFillsTheRestWithZero) {
    Harness h;
    h.store().Put("Btn1", "Data", "2,5,10,20");
    ButtonInfo info;
    int option = 0;
    LoadButtonInfo(h.store(), 1, info, option);
    EXPECT_EQ(info.showMode, 2);
    EXPECT_EQ(info.iconIndex, 5);
    EXPECT_EQ(info.at, (plat::Point{10, 20}));
    EXPECT_EQ(info.extent, (plat::DipSize{plat::Dip(-10), plat::Dip(-20)}));

    h.store().Put("Btn1", "Data", "");
    LoadButtonInfo(h.store(), 1, info, option);
    EXPECT_EQ(info.at, (plat::Point{0, 0}));
    EXPECT_EQ(info.extent, (plat::DipSize{}));
    EXPECT_EQ(info.showMode, 0);
}

struct StoredSize {
    int stored;
    int read;
};
class HandEditedSizes : public testing::TestWithParam<StoredSize> {};

TEST_P(HandEditedSizes, OutsideFifteenToTwoHundredReadAsTheDefault) {
    Harness h;
    h.store().Put("Btn1", "Size", GetParam().stored);
    ButtonInfo info;
    int option = 0;
    LoadButtonInfo(h.store(), 1, info, option);
    EXPECT_EQ(info.size, plat::Dip(GetParam().read));
}

INSTANTIATE_TEST_SUITE_P(Sizes, HandEditedSizes,
                         testing::Values(StoredSize{0, 36}, StoredSize{-1, 36},
                                         StoredSize{INT_MIN, 36}, StoredSize{INT_MAX, 36},
                                         StoredSize{14, 36}, StoredSize{201, 36},
                                         StoredSize{15, 15}, StoredSize{200, 200}));

TEST(ButtonEntry, CoordinatesBeyondAnyDesktopAreHeldWhereNoSumOverflows) {
    Harness h;
    h.store().Put("Btn1", "Data", "0,0,-2147483648,2147483647,99999999999,-5");
    ButtonInfo info;
    int option = 0;
    LoadButtonInfo(h.store(), 1, info, option);
    // Read back as stored: left, top, and right and bottom as the corner plus the extent.
    EXPECT_EQ(info.at, (plat::Point{-kCoordinateLimit, kCoordinateLimit}));
    EXPECT_EQ(info.at.x + info.extent.cx.value, kCoordinateLimit);
    EXPECT_EQ(info.at.y + info.extent.cy.value, -5);
}

// Every button of this store is as odd as a hand edit can make it; start-up, every arrangement
// and the exit must neither overflow (the unit tests trap it) nor leave a button unseen.
TEST(HandEditedStore, ExtremeSizesAndPlacesStartArrangeAndEndCleanly) {
    Harness h;
    const int sizes[] = {INT_MIN, -1, 0, 1, INT_MAX, 200};
    const char* places[] = {"0,0,-2147483648,-2147483648,0,0",
                            "0,0,2147483647,2147483647,0,0",
                            "0,0,2147483647,-2147483648,0,0",
                            "0,0,0,0,0,0",
                            "0,0,1000,700,0,0",
                            "0,0,-1,-1,0,0"};
    h.store().Put("Button", "Num", 6);
    for (int n = 1; n <= 6; ++n) {
        h.StoreButton(n, "C:\\A.EXE", 0, 0);
        h.store().Put(ButtonSection(n), "Size", sizes[n - 1]);
        h.store().Put(ButtonSection(n), "Data", places[n - 1]);
    }
    ASSERT_TRUE(h.app.InitInstance());
    for (const auto& button : h.main().m_buttons) {
        const plat::Rect r = h.platform.windows.Find(button->Window())->rect;
        EXPECT_GE(r.Width(), 14);
        EXPECT_GE(r.left, 0);
        EXPECT_LE(r.left, 1024);
    }
    for (int id : {ID_ALIGN_TOP, ID_ALIGN_BOTTOM, ID_ALIGN_LEFT, ID_ALIGN_RIGHT, ID_SPREAD}) {
        h.main().OnCommand(id);
    }
    h.main().OnClose();
    EXPECT_EQ(h.StoredInt("Btn1", "Size"), 36);
    EXPECT_EQ(h.StoredInt("Btn6", "Size"), 200);
}

TEST(ButtonSections, AreNamedWithoutLeadingZeros) {
    EXPECT_EQ(ButtonSection(1), "Btn1");
    EXPECT_EQ(ButtonSection(10), "Btn10");
    EXPECT_EQ(ButtonSection(123), "Btn123");
}

}  // namespace

namespace {

// Every read and write of the store names a value of the one table, with the table's type, and
// a session that starts, opens the clock and ends reads every value of it.
TEST(StoredValues, TheProgramReadsAndWritesExactlyTheTablesValues) {
    Harness h;
    h.store().Put("Button", "Num", 1);
    h.StoreButton(1, "C:\\TOOLS\\A.EXE", 10, 20);
    h.store().Put("Watch", "Show", 1);
    ASSERT_TRUE(h.app.InitInstance());
    h.main().OnCommand(ID_APP_EXIT);

    std::set<std::string> tableCalls, seen;
    for (const stored::Value* v : stored::kAll) {
        const bool integer = v->type == stored::Type::Integer;
        const std::string section = stored::Section(*v, 1);
        for (const char* verb : {"Read", "Write"}) {
            tableCalls.insert(std::string("Store.") + verb + (integer ? "Int " : "String ") +
                              section + "/" + std::string(v->name));
        }
    }
    for (std::string call : h.Calls("Store.")) {
        if (call.rfind("Store.SetLocation", 0) == 0) continue;
        call = call.substr(0, call.find('='));  // a write carries its value
        EXPECT_TRUE(tableCalls.count(call)) << call << " is not a value of the table";
        seen.insert(call);
    }
    for (const stored::Value* v : stored::kAll) {
        const bool integer = v->type == stored::Type::Integer;
        const std::string read = std::string("Store.Read") + (integer ? "Int " : "String ") +
                                 stored::Section(*v, 1) + "/" + std::string(v->name);
        EXPECT_TRUE(seen.count(read)) << read << " was never read";
    }
}

TEST(StoredValues, EachNameIsDeclaredOnceInItsSection) {
    std::set<std::pair<std::string, std::string>> names;
    for (const stored::Value* v : stored::kAll) {
        EXPECT_TRUE(names.insert({std::string(v->section), std::string(v->name)}).second)
            << v->section << "/" << v->name;
        if (v->type == stored::Type::Integer) {
            EXPECT_EQ(stored::Bounded(*v, v->number), v->number)
                << v->name << ": default in bounds";
        }
    }
}

TEST(StoredValues, IntegersOutsideTheirBoundsTakeTheRowsRule) {
    EXPECT_EQ(stored::Bounded(stored::kSize, 14), kDefaultButtonSize.value);
    EXPECT_EQ(stored::Bounded(stored::kSize, 201), kDefaultButtonSize.value);
    EXPECT_EQ(stored::Bounded(stored::kSize, 200), 200);
    EXPECT_EQ(stored::Bounded(stored::kNum, -5), 0);
    EXPECT_EQ(stored::Bounded(stored::kNum, INT_MAX), kMaxButtons);
}

}  // namespace
