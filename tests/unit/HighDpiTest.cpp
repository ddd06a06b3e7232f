#include <gtest/gtest.h>

#include <functional>

#include "clock/WatchWnd.h"
#include "edit/IconListBox.h"
#include "edit/LoadIcon.h"
#include "edit/OrderDlg.h"
#include "res/Dialogs.h"
#include "res/Resource.h"
#include "tests/unit/Harness.h"

namespace {

using fake::FakeIcons;

// `units` of a 96-dpi screen in pixels at `dpi`.
int Pixels(int units, int dpi) { return plat::ToPx(plat::Dip(units), dpi).value; }

TEST(Units, ScaleAsTheSystemsMulDivRoundsAndComeBackWhole) {
    EXPECT_EQ(plat::ToPx(plat::Dip(36), 96), plat::Px(36));
    EXPECT_EQ(plat::ToPx(plat::Dip(36), 120), plat::Px(45));
    EXPECT_EQ(plat::ToPx(plat::Dip(36), 144), plat::Px(54));
    EXPECT_EQ(plat::ToPx(plat::Dip(1), 144), plat::Px(2)) << "one and a half rounds up";
    EXPECT_EQ(plat::ToPx(plat::Dip(-13), 144), plat::Px(-20)) << "and away from zero below it";
    EXPECT_EQ(plat::MulDiv(5, 7, 0), -1);
    EXPECT_EQ(plat::MulDiv(1 << 30, 1 << 30, 1), -1);
    for (int dpi : {96, 120, 144, 168, 192, 288}) {
        for (int units = -200; units <= 200; ++units) {
            ASSERT_EQ(plat::ToDip(plat::ToPx(plat::Dip(units), dpi), dpi), plat::Dip(units)) << dpi;
        }
    }
}

TEST(Units, TheIconFittingARoomIsTheLargestStandardSizeTheFileReaches) {
    EXPECT_EQ(FittingIconSize(66, 256), 64);
    EXPECT_EQ(FittingIconSize(48, 256), 48);
    EXPECT_EQ(FittingIconSize(42, 256), 32);
    EXPECT_EQ(FittingIconSize(66, 48), 48) << "a 48 picture is not blown up to 64";
    EXPECT_EQ(FittingIconSize(66, 40), 32);
    EXPECT_EQ(FittingIconSize(66, 16), 32) << "small pictures still give the large size";
    EXPECT_EQ(FittingIconSize(66, 0), 32);
    EXPECT_EQ(FittingIconSize(600, 256), 256);
    EXPECT_EQ(FittingIconSize(20, 256), 16);
    EXPECT_EQ(FittingIconSize(3, 256), 16);
}

// Each figure at one DPI: the button's window side for sizes 36 and 50, the icon drawn on a
// size-36 face, the clock's default box and a stored font height of -13.
struct DpiCase {
    int dpi;
    int side36, side50;
    int icon36;
    int clockWidth, clockHeight;
    int font13;
};

class AtDpi : public testing::TestWithParam<DpiCase> {
  protected:
    void SetUp() override {
        h.platform.monitors.SetDpi(GetParam().dpi);
        h.platform.icons.files["C:\\APP.EXE"] = {{256}};
        h.platform.icons.files["C:\\B.EXE"] = {{32}};
        h.store().Put("Button", "Num", 2);
        h.StoreButton(1, "C:\\APP.EXE", 100, 200);
        h.StoreButton(2, "C:\\B.EXE", 300, 200);
        h.store().Put("Btn2", "Size", 50);
        h.store().Put("Watch", "WatchFont", "-13");
    }
    void Start() { ASSERT_TRUE(h.app.InitInstance()); }
    CLaunchButton& button(int i) { return *h.main().m_buttons[static_cast<std::size_t>(i)]; }
    plat::Rect rect(int i) { return h.platform.windows.Find(button(i).Window())->rect; }
    plat::Rect At(int x, int y, int side) { return {x, y, x + side, y + side}; }

    Harness h;
};

TEST_P(AtDpi, ButtonsAreTheirSizeScaledLessOnePixel) {
    Start();
    const DpiCase& c = GetParam();
    EXPECT_EQ(rect(0), At(100, 200, c.side36));
    EXPECT_EQ(rect(1), At(300, 200, c.side50));
}

TEST_P(AtDpi, TheFaceIsPaintedAtTheScaledSizeWithTheLargestIconThatFits) {
    Start();
    h.platform.graphics.faces.clear();
    button(0).OnPaint();
    button(1).OnPaint();
    const auto& faces = h.platform.graphics.faces;
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_EQ(faces[0].size, GetParam().side36 + 1);
    // Classic at 96 dpi; above it drawn with edges of one unit.
    EXPECT_EQ(faces[0].edge, GetParam().dpi == 96 ? plat::kClassicFace : Pixels(1, GetParam().dpi));
    const auto icon = FakeIcons::Describe(faces[0].icon);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->size, GetParam().icon36);
    const auto small = FakeIcons::Describe(faces[1].icon);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->size, 32) << "a file of 32-pixel pictures is drawn at 32 on any screen";
}

TEST_P(AtDpi, EveryPlacingAndSizingUsesTheRule) {
    Start();
    const DpiCase& c = GetParam();
    const int cell36 = c.side36 + 1;
    button(0).MoveTo(10, 10);
    EXPECT_EQ(rect(0), At(10, 10, c.side36));

    h.main().OnCommand(ID_ALIGN_TOP);
    EXPECT_EQ(rect(1), At(10 + cell36, 10, c.side50)) << "the cells are the scaled sizes";
    h.main().OnCommand(ID_ALIGN_LEFT);
    EXPECT_EQ(rect(1), At(10, 10 + cell36, c.side50));
    h.main().OnCommand(ID_ALIGN_BOTTOM);
    EXPECT_EQ(rect(1), At(10 + cell36, 10 + cell36 - (c.side50 + 1), c.side50));
    h.main().OnCommand(ID_ALIGN_RIGHT);
    EXPECT_EQ(rect(1), At(10 + cell36 - (c.side50 + 1), 10 + cell36, c.side50));
    h.main().OnCommand(ID_SPREAD);
    EXPECT_EQ(rect(1).Width(), c.side50);
    EXPECT_LE(rect(1).right, 1024);

    h.platform.dialogs.dialogScripts.push_back([](fake::FakeDialog& d) {
        d.SetItemText(dlg::kSizeEdit, "50");
        d.Click(plat::mb::kIdOk);
    });
    h.main().OnCommand(ID_SAME_SIZE);
    EXPECT_EQ(rect(0).Width(), c.side50);
    EXPECT_EQ(rect(0).Height(), c.side50);

    // Dragged by a right press during a left press: centred under the pointer.
    const plat::Rect before = rect(0);
    button(0).OnLButtonDown({5, 5}, plat::mk::kLButton);
    button(0).OnRButtonDown({5, 5}, plat::mk::kLButton | plat::mk::kRButton);
    button(0).OnMouseMove({100, 100}, plat::mk::kLButton);
    const int half = (c.side50 + 1) / 2;
    EXPECT_EQ(rect(0), At(before.left + 100 - half, before.top + 100 - half, c.side50));
    button(0).OnLButtonUp({100, 100}, plat::mk::kLButton);
}

TEST_P(AtDpi, TheStoreHoldsUnitsWhateverTheScale) {
    Start();
    h.main().SaveOnExit();
    EXPECT_EQ(h.StoredInt("Btn1", "Size"), 36);
    EXPECT_EQ(h.StoredString("Btn1", "Data"), "0,0,100,200,135,235");
    EXPECT_EQ(h.StoredString("Btn2", "Data"), "0,0,300,200,349,249");
}

TEST_P(AtDpi, TheClockKeepsItsCornerInPixelsAndItsSizeAndFontInUnits) {
    Start();
    h.main().OnCommand(ID_CLOCK);
    const DpiCase& c = GetParam();
    const fake::FakeWindow& w = *h.platform.windows.Find(h.main().m_pWatch->Window());
    EXPECT_EQ(w.rect, (plat::Rect{10, 10, 10 + c.clockWidth, 10 + c.clockHeight}));
    EXPECT_EQ(h.platform.graphics.DescribeFont(h.main().m_pWatch->m_font).height, c.font13);
    h.main().OnCommand(ID_CLOCK);
    EXPECT_EQ(h.StoredString("Watch", "Positon"), "10,10,110,60");
    EXPECT_EQ(h.StoredString("Watch", "WatchFont"), "-13,0,0,0,0,0,0,0,0,0,0,0,0");
}

TEST_P(AtDpi, TheDefaultFontIsMeasuredAndScaledAndStaysTheDefaultInTheStore) {
    h.store().Put("Watch", "WatchFont", "");
    Start();
    h.main().OnCommand(ID_CLOCK);
    const int height = h.platform.graphics.DescribeFont(h.main().m_pWatch->m_font).height;
    // The fake's default font is 16 pixels high on every screen.
    EXPECT_EQ(height, GetParam().dpi == 96 ? 0 : Pixels(16, GetParam().dpi));
    h.main().OnCommand(ID_CLOCK);
    EXPECT_EQ(h.StoredString("Watch", "WatchFont"), "0,0,0,0,0,0,0,0,0,0,0,0,0");
}

TEST_P(AtDpi, TheClockDialogsPreviewBoundsAreScaled) {
    Start();
    h.main().OnCommand(ID_CLOCK);
    int height = 0;
    h.platform.dialogs.dialogScripts.push_back(
        [&](fake::FakeDialog& d) { height = d.ItemRect(dlg::kWatchPreview).Height(); });
    h.main().m_pWatch->OnNcLButtonDblClk();
    // The font's 13 pixels at 96 dpi are below the least height, which is scaled as they are.
    EXPECT_EQ(height, Pixels(20, GetParam().dpi));
}

TEST_P(AtDpi, TheOrderDialogsRowsAndIconsAreScaled) {
    Start();
    const int dpi = GetParam().dpi;
    h.platform.dialogs.dialogScripts.push_back([&](fake::FakeDialog& d) {
        h.platform.graphics.icons.clear();
        h.platform.graphics.rows.clear();
        d.DrawRow(dlg::kOrderList, 0, plat::oda::kDrawEntire);
        ASSERT_EQ(h.platform.graphics.icons.size(), 1u);
        const auto& drawn = h.platform.graphics.icons[0];
        EXPECT_EQ(drawn.size, Pixels(16, dpi));
        const auto icon = FakeIcons::Describe(drawn.icon);
        ASSERT_TRUE(icon);
        EXPECT_EQ(icon->size, Pixels(16, dpi)) << "made at that size, not stretched";
        EXPECT_EQ(h.platform.graphics.rows.at(0).textLeft, Pixels(21, dpi));
        EXPECT_EQ(h.platform.graphics.rows.at(0).lineHeight, Pixels(20, dpi));
    });
    h.main().OnCommand(ID_ORDER);
    EXPECT_EQ(h.platform.dialogs.templates.size(), 1u);
}

TEST_P(AtDpi, TheTrayIconIsTheSmallIconSizeOfItsScreen) {
    Start();
    ASSERT_FALSE(h.platform.tray.shows.empty());
    const int side = Pixels(16, GetParam().dpi);
    EXPECT_EQ(h.Calls("System.LoadResourceIcon").front(),
              "System.LoadResourceIcon " + std::to_string(IDI_TRAY) + " " + std::to_string(side) +
                  "x" + std::to_string(side));
}

INSTANTIATE_TEST_SUITE_P(Screens, AtDpi,
                         testing::Values(DpiCase{96, 35, 49, 32, 100, 50, -13},
                                         DpiCase{120, 44, 62, 32, 125, 63, -16},
                                         DpiCase{144, 53, 74, 48, 150, 75, -20},
                                         DpiCase{192, 71, 99, 64, 200, 100, -26}),
                         [](const auto& info) { return std::to_string(info.param.dpi); });

// A button and the clock at 96 dpi whose monitor changes to `dpi`.
class ScaleChange : public testing::TestWithParam<int> {};

TEST_P(ScaleChange, ButtonsAndClockTakeTheNewSizeAtTheirCornerAndTheStoreStaysAsItWas) {
    Harness h;
    h.platform.icons.files["C:\\APP.EXE"] = {{256}};
    h.store().Put("Button", "Num", 1);
    h.StoreButton(1, "C:\\APP.EXE", 100, 200);
    h.store().Put("Watch", "Show", 1);
    h.store().Put("Watch", "Positon", "300,40,420,100");
    h.store().Put("Watch", "WatchFont", "-13");
    ASSERT_TRUE(h.app.InitInstance());
    CLaunchButton& button = *h.main().m_buttons[0];
    CWatchWnd& clock = *h.main().m_pWatch;
    fake::FakeWindow& b = *h.platform.windows.Find(button.Window());
    fake::FakeWindow& w = *h.platform.windows.Find(clock.Window());
    const int dpi = GetParam();
    const int invalidated = b.invalidations;

    h.platform.monitors.SetDpi(dpi);
    // Not on the move: whatever the platform suggests, the corners stay.
    button.OnDpiChanged(dpi, {0, 0, 10, 10});
    clock.OnDpiChanged(dpi, {0, 0, 10, 10});
    EXPECT_EQ(b.rect, (plat::Rect{100, 200, 100 + plat::ButtonSide(plat::Dip(36), dpi).value,
                                  200 + plat::ButtonSide(plat::Dip(36), dpi).value}));
    EXPECT_GT(b.invalidations, invalidated);
    h.platform.graphics.faces.clear();
    button.OnPaint();
    EXPECT_EQ(h.platform.graphics.faces.at(0).size, Pixels(36, dpi));
    EXPECT_EQ(h.platform.graphics.faces.at(0).edge,
              dpi == 96 ? plat::kClassicFace : Pixels(1, dpi));
    EXPECT_EQ(w.rect, (plat::Rect{300, 40, 300 + Pixels(120, dpi), 40 + Pixels(60, dpi)}));
    EXPECT_EQ(h.platform.graphics.DescribeFont(clock.m_font).height, Pixels(-13, dpi));

    h.main().SaveOnExit();
    EXPECT_EQ(h.StoredString("Btn1", "Data"), "0,0,100,200,135,235");
    EXPECT_EQ(h.StoredInt("Btn1", "Size"), 36);
    EXPECT_EQ(h.StoredString("Watch", "Positon"), "300,40,420,100");
    EXPECT_EQ(h.StoredString("Watch", "WatchFont"), "-13,0,0,0,0,0,0,0,0,0,0,0,0");
}

INSTANTIATE_TEST_SUITE_P(Screens, ScaleChange, testing::Values(96, 120, 144, 192));

TEST(SecondMonitor, ArrangingLaysButtonsOutInPixelsOfTheFirstButtonsMonitor) {
    Harness h;
    h.platform.monitors.all.push_back({1024, 0, 2048, 768});
    h.platform.monitors.dpis = {192, 96};
    h.store().Put("Button", "Num", 2);
    h.StoreButton(1, "C:\\A.EXE", 100, 100);
    h.StoreButton(2, "C:\\B.EXE", 1100, 100);
    ASSERT_TRUE(h.app.InitInstance());
    auto rect = [&](int i) {
        return h.platform.windows.Find(h.main().m_buttons[static_cast<std::size_t>(i)]->Window())
            ->rect;
    };
    EXPECT_EQ(rect(0).Width(), 71);
    EXPECT_EQ(rect(1).Width(), 35) << "each button is sized for its own monitor";
    h.main().OnCommand(ID_ALIGN_TOP);
    EXPECT_EQ(rect(1), (plat::Rect{172, 100, 243, 171}));
}

// Two monitors side by side at 96 and 192 dpi, in either order, with the fake telling each window
// of a change of scale as the system does. A button or the clock dragged one pixel at a time
// across the boundary and back changes scale once per crossing, never back and forth, and the
// store keeps the place where it ended.
struct Crossing {
    const char* name;
    int leftDpi, rightDpi;
};
class DragAcross : public testing::TestWithParam<Crossing> {
  protected:
    void SetUp() override {
        h.platform.monitors.all = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
        h.platform.monitors.dpis = {GetParam().leftDpi, GetParam().rightDpi};
        h.platform.windows.playDpiChanges = true;
    }
    // The pointer from `from` to `to` and back, one pixel a step: `step` moves the window for
    // the pointer at x; the scale the window has after each step is kept.
    std::vector<int> There(plat::WindowRef window, int from, int to,
                           const std::function<void(int)>& step) {
        std::vector<int> scales;
        const int dir = to > from ? 1 : -1;
        for (int x = from; x != to; x += dir) {
            step(x);
            scales.push_back(h.platform.windows.Find(window)->dpi);
        }
        for (int x = to; x != from; x -= dir) {
            step(x);
            scales.push_back(h.platform.windows.Find(window)->dpi);
        }
        return scales;
    }
    static int Changes(const std::vector<int>& scales) {
        int n = 0;
        for (std::size_t i = 1; i < scales.size(); ++i) n += scales[i] != scales[i - 1];
        return n;
    }
    // The platform's own move: the window keeps the pointer at the same place on it.
    void PlatformMove(plat::WindowRef window, int x, plat::Point& grab) {
        auto& windows = h.platform.windows;
        windows.SetWindowPos(window, plat::ZOrder::Keep, x - grab.x, 300 - grab.y, 0, 0,
                             plat::swp::kNoSize | plat::swp::kNoZOrder);
        const plat::Rect r = windows.Find(window)->rect;
        grab = {x - r.left, 300 - r.top};
    }
    Harness h;
};

TEST_P(DragAcross, AButtonChangesScaleOncePerCrossingInItsOwnDragAndInThePlatformsMove) {
    h.store().Put("Button", "Num", 1);
    h.StoreButton(1, "C:\\A.EXE", 900, 290);
    ASSERT_TRUE(h.app.InitInstance());
    CLaunchButton& button = *h.main().m_buttons[0];
    const plat::WindowRef window = button.Window();
    auto& windows = h.platform.windows;

    // Left held, right pressed: the button follows the pointer, centred under it.
    button.OnLButtonDown({5, 5}, plat::mk::kLButton);
    button.OnRButtonDown({5, 5}, plat::mk::kLButton | plat::mk::kRButton);
    std::vector<int> scales = There(window, 960, 1090, [&](int x) {
        const plat::Rect r = windows.Find(window)->rect;
        button.OnMouseMove({x - r.left, 300 - r.top}, plat::mk::kLButton);
    });
    EXPECT_EQ(Changes(scales), 2);
    EXPECT_EQ(windows.Find(window)->dpiChanges, 2) << "told of a change at each crossing only";
    button.OnLButtonUp({5, 5}, 0);

    // Move armed: the platform moves it, holding it where it was grabbed.
    button.OnCommand(ID_BUTTON_MOVE);
    button.OnNcLButtonDown();
    button.OnEnterSizeMove();
    plat::Point grab{10, 10};
    scales = There(window, 960, 1090, [&](int x) { PlatformMove(window, x, grab); });
    EXPECT_EQ(Changes(scales), 2);
    EXPECT_EQ(windows.Find(window)->dpiChanges, 4);
    // Last, over onto the other monitor for good, and let go there.
    for (int x = 1000; x <= 1100; ++x) PlatformMove(window, x, grab);
    button.OnExitSizeMove();
    const plat::Rect r = windows.Find(window)->rect;
    EXPECT_EQ(r.Width(), plat::ButtonSide(plat::Dip(36), GetParam().rightDpi).value);
    EXPECT_EQ(h.StoredString("Btn1", "Data"),
              "0,0," + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                  std::to_string(r.left + 35) + "," + std::to_string(r.top + 35));
}

TEST_P(DragAcross, TheClockChangesScaleOncePerCrossingInThePlatformsMove) {
    h.store().Put("Watch", "Show", 1);
    h.store().Put("Watch", "Positon", "800,280,920,340");
    ASSERT_TRUE(h.app.InitInstance());
    const plat::WindowRef window = h.main().m_pWatch->Window();
    auto& clock = *h.main().m_pWatch;
    clock.OnEnterSizeMove();
    plat::Point grab{60, 20};
    const std::vector<int> scales =
        There(window, 960, 1090, [&](int x) { PlatformMove(window, x, grab); });
    EXPECT_EQ(Changes(scales), 2);
    EXPECT_EQ(h.platform.windows.Find(window)->dpiChanges, 2);
    clock.OnExitSizeMove();
    const plat::Rect r = h.platform.windows.Find(window)->rect;
    const int dpi = h.platform.windows.Find(window)->dpi;
    EXPECT_EQ(r.Width(), Pixels(120, dpi));
    EXPECT_EQ(h.StoredString("Watch", "Positon"),
              std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                  std::to_string(r.left + 120) + "," + std::to_string(r.top + 60));
}

INSTANTIATE_TEST_SUITE_P(Monitors, DragAcross,
                         testing::Values(Crossing{"LowLeftHighRight", 96, 192},
                                         Crossing{"HighLeftLowRight", 192, 96}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
