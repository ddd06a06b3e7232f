#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "button/GetComma.h"

namespace {

struct CommaCase {
    const char* text;
    std::vector<int> items;  // items 0, 1, 2 ... as they must read
};

class CommaItems : public testing::TestWithParam<CommaCase> {};

TEST_P(CommaItems, ReadsEveryItemAndZeroPastTheEnd) {
    CGetComma comma;
    comma.SetString(GetParam().text);
    const auto& items = GetParam().items;
    for (std::size_t k = 0; k < items.size(); ++k) {
        EXPECT_EQ(comma.GetInt(static_cast<int>(k)), items[k]) << "item " << k;
    }
    EXPECT_EQ(comma.GetInt(static_cast<int>(items.size())), 0);
    EXPECT_EQ(comma.GetInt(static_cast<int>(items.size()) + 5), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CommaItems,
    testing::Values(CommaCase{"3,0,100,200,135,235", {3, 0, 100, 200, 135, 235}},
                    CommaCase{"", {0}}, CommaCase{"7", {7}}, CommaCase{"1,,3", {1, 0, 3}},
                    CommaCase{" 12,-5,8x,x", {12, -5, 8, 0}}, CommaCase{",,", {0, 0, 0}},
                    CommaCase{"+4,  -0, 9", {4, 0, 9}}, CommaCase{"-,+,--1", {0, 0, 0}},
                    CommaCase{"\t7,\n8", {7, 8}}));

TEST(CommaPositions, CountsCommasFromOneAndRefusesZeroAndBelow) {
    CGetComma comma;
    comma.SetString("a,b,,c");
    EXPECT_EQ(comma.FindComma(1), 1);
    EXPECT_EQ(comma.FindComma(2), 3);
    EXPECT_EQ(comma.FindComma(3), 4);
    EXPECT_EQ(comma.FindComma(4), -1);
    EXPECT_EQ(comma.FindComma(0), -1);
    EXPECT_EQ(comma.FindComma(-1), -1);
    comma.SetString("");
    EXPECT_EQ(comma.FindComma(0), -1);
    EXPECT_EQ(comma.FindComma(-1), -1);
}

TEST(CommaNumbers, OutOfRangeValuesSaturateInsteadOfWrapping) {
    CGetComma comma;
    comma.SetString("99999999999,-99999999999,2147483647,-2147483648");
    EXPECT_EQ(comma.GetInt(0), INT_MAX);
    EXPECT_EQ(comma.GetInt(1), INT_MIN);
    EXPECT_EQ(comma.GetInt(2), INT_MAX);
    EXPECT_EQ(comma.GetInt(3), INT_MIN);
}

TEST(CommaText, JapaneseTextAroundTheCommasDoesNotConfuseTheWalk) {
    CGetComma comma;
    comma.SetString("１,5,表示,6");  // multibyte bytes never equal ','
    EXPECT_EQ(comma.GetInt(0), 0);
    EXPECT_EQ(comma.GetInt(1), 5);
    EXPECT_EQ(comma.GetInt(3), 6);
}

}  // namespace
