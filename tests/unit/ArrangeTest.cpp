#include <gtest/gtest.h>

#include <cstdlib>

#include "arrange/Arrange.h"

namespace {

using plat::Point;
using Points = std::vector<Point>;

TEST(Rows, WrapWhenTheNextCellWouldPassTheRightEdge) {
    EXPECT_EQ(RowLayout({900, 100}, {36, 36, 36, 36}, 1024, true),
              (Points{{900, 100}, {936, 100}, {972, 100}, {900, 136}}));
}

TEST(Rows, ANewLineLiesTheLargestSizeOfTheLineAwayInEitherDirection) {
    // 36, 48, 36 fill a line from 900; the fourth wraps.
    const std::vector<int> sizes{36, 48, 36, 36};
    const Points down = RowLayout({900, 100}, sizes, 1024, true);
    EXPECT_EQ(down[3], (Point{900, 148}));
    const Points up = RowLayout({900, 100}, sizes, 1024, false);
    // The first line stands on y = 136; its 36-pixel cells sit 12 lower than the 48 one.
    EXPECT_EQ(up[0], (Point{900, 100}));
    EXPECT_EQ(up[1], (Point{936, 88}));
    EXPECT_EQ(up[2], (Point{984, 100}));
    // The next line stands 48 higher.
    EXPECT_EQ(up[3], (Point{900, 52}));
}

TEST(Rows, AFirstButtonAlreadyPastTheEdgeStaysAndEveryOtherStartsALine) {
    EXPECT_EQ(RowLayout({1000, 100}, {36, 36, 36}, 1024, true),
              (Points{{1000, 100}, {1000, 136}, {1000, 172}}));
    EXPECT_EQ(RowLayout({1000, 100}, {36, 36, 36}, 1024, false),
              (Points{{1000, 100}, {1000, 64}, {1000, 28}}));
}

TEST(Rows, ACellEndingExactlyAtTheEdgeStillFits) {
    EXPECT_EQ(RowLayout({952, 0}, {36, 36}, 1024, true), (Points{{952, 0}, {988, 0}}));
}

TEST(Columns, WrapAtTheBottomEdgeAndMayRunOffTheLeftSide) {
    EXPECT_EQ(ColumnLayout({0, 700}, {36, 36, 36}, 768, false),
              (Points{{0, 700}, {-36, 700}, {-72, 700}}));
    EXPECT_EQ(ColumnLayout({10, 650}, {36, 36, 36, 36}, 768, true),
              (Points{{10, 650}, {10, 686}, {10, 722}, {46, 650}}));
}

TEST(Columns, AFirstButtonPastTheBottomMovesOneColumnByItsOwnSize) {
    EXPECT_EQ(ColumnLayout({100, 750}, {36, 36}, 768, true), (Points{{136, 750}, {172, 750}}));
    EXPECT_EQ(ColumnLayout({100, 750}, {36, 36}, 768, false), (Points{{64, 750}, {28, 750}}));
}

TEST(Columns, RightAlignedColumnsShareTheirRightEdge) {
    const Points p = ColumnLayout({500, 0}, {48, 36}, 768, false);
    EXPECT_EQ(p[0], (Point{500, 0}));
    EXPECT_EQ(p[1], (Point{512, 48}));
}

TEST(Random, IsTheRuntimeLibrarysGenerator) {
    CRandom ours(12345);
    // The first draws of that generator for seed 12345, as its definition gives them.
    std::uint32_t state = 12345;
    for (int i = 0; i < 1000; ++i) {
        state = state * 214013u + 2531011u;
        ASSERT_EQ(ours.Next(), static_cast<int>((state >> 16) & 0x7FFF));
    }
    CRandom one(1);
    EXPECT_EQ(one.Next(), 41);  // the classic first value of srand(1)
    EXPECT_EQ(one.Next(), 18467);
}

TEST(Spread, EveryCellIsWhollyOnTheScreenAndOneSeedGivesOneLayout) {
    const std::vector<int> sizes{36, 48, 200, 15, 36, 36, 36, 36};
    CRandom a(1796803500), b(1796803500);
    const Points first = SpreadLayout(sizes, {1024, 768}, a);
    EXPECT_EQ(first, SpreadLayout(sizes, {1024, 768}, b));
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        EXPECT_GE(first[i].x, 0);
        EXPECT_LE(first[i].x, 1024 - sizes[i] - 1);
        EXPECT_GE(first[i].y, 0);
        EXPECT_LE(first[i].y, 768 - sizes[i] - 1);
    }
}

TEST(Spread, AButtonAsLargeAsTheScreenGoesToZeroInsteadOfDrawingForever) {
    CRandom r(7);
    const Points p = SpreadLayout({2000, 36, 768}, {1024, 768}, r);
    EXPECT_EQ(p[0], (Point{0, 0}));
    EXPECT_EQ(p[2].y, 0);
    EXPECT_LT(p[2].x, 1024 - 768);
}

}  // namespace

#include "res/Resource.h"
#include "tests/unit/Harness.h"

namespace {

// The commands move the real buttons from the first one's window, and write the result.
class ArrangeCommands : public testing::Test {
  protected:
    void SetUp() override {
        h.store().Put("Button", "Num", 4);
        // Scattered; the first stands at (900, 100).
        h.StoreButton(1, "C:\\A.EXE", 900, 100);
        for (int i = 2; i <= 4; ++i) h.StoreButton(i, "C:\\A.EXE", 100 * i, 400 + 10 * i);
        ASSERT_TRUE(h.app.InitInstance());
    }
    plat::Rect Rect(int i) {
        return h.platform.windows.Find(h.main().m_buttons[static_cast<std::size_t>(i)]->Window())
            ->rect;
    }
    Harness h;
};

TEST_F(ArrangeCommands, RowsMoveEveryButtonAndAreWrittenAtOnce) {
    h.main().OnCommand(ID_ALIGN_TOP);
    EXPECT_EQ(Rect(0), (plat::Rect{900, 100, 935, 135}));
    EXPECT_EQ(Rect(1).left, 936);
    EXPECT_EQ(Rect(2).left, 972);
    EXPECT_EQ(Rect(3), (plat::Rect{900, 136, 935, 171}));
    EXPECT_EQ(h.StoredString("Btn4", "Data"), "0,0,900,136,935,171");
}

TEST_F(ArrangeCommands, SpreadIsTheSameWithinOneSecondAndStaysOnTheScreen) {
    h.main().OnCommand(ID_SPREAD);
    std::vector<plat::Rect> first;
    for (int i = 0; i < 4; ++i) first.push_back(Rect(i));
    h.main().OnCommand(ID_SPREAD);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Rect(i), first[static_cast<std::size_t>(i)]);
        EXPECT_GE(Rect(i).left, 0);
        EXPECT_LE(Rect(i).left, 1024 - 36 - 1);
        EXPECT_LE(Rect(i).top, 768 - 36 - 1);
    }
    h.platform.clock.seconds += 1;
    h.main().OnCommand(ID_SPREAD);
    EXPECT_NE(Rect(0), first[0]);
}

// A second monitor right of the primary, taller than it, holds the first button: every
// arrangement keeps to that monitor's whole area.
class ArrangeOnSecondMonitor : public ArrangeCommands {
  protected:
    static constexpr plat::Rect kRight{1024, 0, 2304, 1024};
    void SetUp() override {
        h.platform.monitors.all = {{0, 0, 1024, 768}, kRight};
        h.store().Put("Button", "Num", 4);
        h.StoreButton(1, "C:\\A.EXE", 2190, 700);
        for (int i = 2; i <= 4; ++i) h.StoreButton(i, "C:\\A.EXE", 100 * i, 400);
        ASSERT_TRUE(h.app.InitInstance());
    }
};

TEST_F(ArrangeOnSecondMonitor, RowsColumnsAndTheSpreadKeepToTheFirstButtonsMonitor) {
    h.main().OnCommand(ID_ALIGN_TOP);
    EXPECT_EQ(Rect(0).left, 2190);
    EXPECT_EQ(Rect(1).left, 2226);
    EXPECT_EQ(Rect(2).left, 2262);
    EXPECT_EQ(Rect(3), (plat::Rect{2190, 736, 2225, 771}));  // below the primary's bottom edge

    h.main().OnCommand(ID_ALIGN_LEFT);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Rect(i).top, 700 + 36 * i) << i;
    EXPECT_EQ(Rect(3).left, 2190);

    for (int seconds = 0; seconds < 20; ++seconds) {
        h.platform.clock.seconds += 1;
        h.main().OnCommand(ID_SPREAD);
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(kRight.Contains({Rect(i).left, Rect(i).top})) << i;
            EXPECT_LE(Rect(i).right, kRight.right) << i;
            EXPECT_LE(Rect(i).bottom, kRight.bottom) << i;
        }
    }
    EXPECT_EQ(h.StoredString("Btn1", "Data").substr(0, 4), "0,0,");
}

TEST_F(ArrangeCommands, ColumnsGoDownFromTheFirstButton) {
    h.main().OnCommand(ID_ALIGN_LEFT);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Rect(i).left, 900);
        EXPECT_EQ(Rect(i).top, 100 + 36 * i);
    }
}

}  // namespace
