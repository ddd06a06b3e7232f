#include <gtest/gtest.h>

#include <algorithm>

#include "clock/WatchWnd.h"
#include "res/Dialogs.h"
#include "res/Resource.h"
#include "tests/unit/Harness.h"

namespace {

using plat::Rect;

class Clock : public testing::Test {
  protected:
    void Start() { ASSERT_TRUE(h.app.InitInstance()); }
    CWatchWnd& StartClock() {
        Start();
        h.main().OnCommand(ID_CLOCK);
        EXPECT_NE(h.main().m_pWatch, nullptr);
        return *h.main().m_pWatch;
    }
    fake::FakeWindow& Window() { return *h.platform.windows.Find(h.main().m_pWatch->Window()); }
    std::vector<std::string> WatchWrites() const {
        std::vector<std::string> out;
        for (const auto& c : h.Calls("Store.Write")) {
            if (c.find(" Watch/") != std::string::npos) out.push_back(c);
        }
        return out;
    }
    Harness h;
};

TEST_F(Clock, WithAnEmptyStoreTheMenuOpensAGreyTopmostBoxAtTenTen) {
    Start();
    h.main().OnCommand(ID_CLOCK);
    ASSERT_NE(h.main().m_pWatch, nullptr);
    const fake::FakeWindow& w = Window();
    EXPECT_EQ(w.rect, (Rect{10, 10, 110, 60}));
    EXPECT_EQ(w.text, "12/09 08:05") << "named by the time it shows";
    EXPECT_EQ(w.spec->kind, plat::WindowKind::Clock);
    EXPECT_TRUE(w.spec->topmost);
    EXPECT_EQ(w.owner, h.main().Window());
    EXPECT_TRUE(w.visible);
    EXPECT_EQ(w.timers, (std::map<int, int>{{1, 1000}}));
    const CWatchWnd& clock = *h.main().m_pWatch;
    EXPECT_EQ(clock.m_bkColor, 12632256u);
    EXPECT_EQ(clock.m_textColor, 4194368u);
    EXPECT_EQ(h.platform.graphics.DescribeFont(clock.m_font), plat::LogFont{});
    EXPECT_TRUE(h.main().BuildTrayMenu()[2].checked);
}

TEST_F(Clock, HidingTheButtonsLeavesTheClockShown) {
    h.StoreButton(1, "C:\\A.EXE", 0, 0);
    h.store().Put("Button", "Num", 1);
    StartClock();
    h.main().OnTrayEvent(plat::tray::kLButtonDblClk, {});
    EXPECT_FALSE(h.main().m_bButtonsShown);
    EXPECT_TRUE(Window().visible);
}

struct Moment {
    const char* name;
    plat::LocalTime time;
    const char* text;
};

class ClockFace : public Clock, public testing::WithParamInterface<Moment> {};

TEST_P(ClockFace, EachTickDrawsMonthDayHoursAndMinutesOverTheWholeBox) {
    h.store().Put("Watch", "BkColor", "255");
    h.store().Put("Watch", "TextColor", "65280");
    StartClock();
    h.platform.clock.now = GetParam().time;
    Window().popup->OnTimer(1);
    ASSERT_FALSE(h.platform.graphics.texts.empty());
    const auto& drawn = h.platform.graphics.texts.back();
    EXPECT_EQ(drawn.text, GetParam().text);
    EXPECT_EQ(drawn.rect, (Rect{0, 0, 100, 50}));
    EXPECT_EQ(drawn.back, 255u);
    EXPECT_EQ(drawn.textColour, 65280u);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, ClockFace,
    testing::Values(Moment{"LastSecondOfTheYear", {2026, 12, 31, 23, 59, 59}, "12/31 23:59"},
                    Moment{"OneSecondAfterMidnight", {2027, 1, 1, 0, 0, 1}, "01/01 00:00"},
                    Moment{"Morning", {2026, 8, 6, 9, 5, 30}, "08/06 09:05"}),
    [](const auto& info) { return std::string(info.param.name); });

// The clock ticks once a second while it is shown, each second counted from the end of the last
// drawing, so that a slow drawing never queues ticks behind it; once it is off nothing ticks.
TEST_F(Clock, TicksOnceASecondCountedFromTheEndOfEachDrawingAndNotAtAllWhenOff) {
    StartClock();
    const plat::WindowRef window = h.main().m_pWatch->Window();
    EXPECT_EQ(Window().timers, (std::map<int, int>{{1, 1000}}));
    for (int tick = 0; tick < 2; ++tick) {
        h.platform.log.clear();
        Window().popup->OnTimer(1);
        const std::vector<std::string>& log = h.platform.log;
        EXPECT_EQ(std::count(log.begin(), log.end(), "Graphics.FillAndDrawText 12/09 08:05"), 1);
        const auto drawn =
            std::find(log.begin(), log.end(), "Graphics.FillAndDrawText 12/09 08:05");
        EXPECT_NE(std::find(drawn, log.end(), "Windows.SetTimer 1 1000"), log.end())
            << "the second starts after the drawing";
        EXPECT_EQ(Window().timers, (std::map<int, int>{{1, 1000}})) << "one timer, one second";
    }
    h.main().OnCommand(ID_CLOCK);
    EXPECT_EQ(h.main().m_pWatch, nullptr);
    EXPECT_TRUE(h.platform.windows.Find(window)->destroyed) << "its timer went with its window";
    for (const auto& [id, w] : h.platform.windows.windows) {
        EXPECT_TRUE(w.destroyed || w.timers.empty()) << "no other window ticks for it";
    }
}

struct Hit {
    plat::Point at;
    std::optional<int> answer;
};

class ClockHitTest : public Clock, public testing::WithParamInterface<Hit> {};

// The inside drags the box; the outer three pixels are left to the frame, which resizes it.
TEST_P(ClockHitTest, InsideIsTheCaptionAndTheOuterBandIsTheFrame) {
    StartClock();
    EXPECT_EQ(Window().popup->OnNcHitTest(GetParam().at), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(Points, ClockHitTest,
                         testing::Values(Hit{{60, 35}, plat::hit::kCaption},
                                         Hit{{13, 13}, plat::hit::kCaption},
                                         Hit{{106, 56}, plat::hit::kCaption},
                                         Hit{{12, 30}, std::nullopt}, Hit{{60, 12}, std::nullopt},
                                         Hit{{107, 30}, std::nullopt}, Hit{{60, 57}, std::nullopt},
                                         Hit{{10, 10}, std::nullopt}));

TEST_F(Clock, SwitchingOffWritesItsKeysInTheirOrderAndOnAgainReadsThemBack) {
    StartClock();
    Window().rect = {300, 200, 420, 270};  // the user moved and resized it
    h.main().m_pWatch->m_bkColor = 0xFFFFFF;
    h.platform.log.clear();
    h.main().OnCommand(ID_CLOCK);
    EXPECT_EQ(h.main().m_pWatch, nullptr);
    EXPECT_EQ(WatchWrites(),
              (std::vector<std::string>{
                  "Store.WriteString Watch/Positon=300,200,420,270",
                  "Store.WriteString Watch/WatchFont=0,0,0,0,0,0,0,0,0,0,0,0,0",
                  "Store.WriteString Watch/WatchFontName=", "Store.WriteInt Watch/TopMost=1",
                  "Store.WriteString Watch/BkColor=16777215",
                  "Store.WriteString Watch/TextColor=4194368", "Store.WriteInt Watch/Show=0"}));
    EXPECT_LT(h.IndexOf("Store.WriteString Watch/Positon=300,200,420,270"),
              h.IndexOf("Windows.DestroyWindow"));
    EXPECT_FALSE(h.main().BuildTrayMenu()[2].checked);

    h.main().OnCommand(ID_CLOCK);
    EXPECT_EQ(Window().rect, (Rect{300, 200, 420, 270}));
    EXPECT_EQ(h.main().m_pWatch->m_bkColor, 0xFFFFFFu);
}

TEST_F(Clock, ShutdownWithTheClockOnWritesShowFirstAndTheNextStartOpensIt) {
    StartClock();
    h.platform.log.clear();
    h.main().SaveOnExit();
    const auto writes = WatchWrites();
    ASSERT_EQ(writes.size(), 7u);
    EXPECT_EQ(writes[0], "Store.WriteInt Watch/Show=1");
    EXPECT_EQ(writes[1], "Store.WriteString Watch/Positon=10,10,110,60");

    Harness next;
    next.store().Put("Watch", "Show", 1);
    ASSERT_TRUE(next.app.InitInstance());
    EXPECT_NE(next.main().m_pWatch, nullptr);
}

TEST_F(Clock, SwitchingOnAndAFinishedMoveOrResizeAreWrittenAtOnce) {
    Start();
    h.main().OnCommand(ID_CLOCK);
    EXPECT_EQ(WatchWrites(), std::vector<std::string>{"Store.WriteInt Watch/Show=1"});
    h.platform.log.clear();
    Window().rect = {300, 200, 420, 270};  // where the platform's move or resize left it
    Window().popup->OnExitSizeMove();
    EXPECT_EQ(WatchWrites(),
              std::vector<std::string>{"Store.WriteString Watch/Positon=300,200,420,270"});
}

TEST_F(Clock, ShutdownWithTheClockOffWritesOnlyShow) {
    Start();
    h.main().SaveOnExit();
    EXPECT_EQ(WatchWrites(), std::vector<std::string>{"Store.WriteInt Watch/Show=0"});
}

TEST_F(Clock, OnlyShowOneOpensTheClockAtStartUp) {
    for (int show : {0, 2, -1}) {
        Harness other;
        other.store().Put("Watch", "Show", show);
        ASSERT_TRUE(other.app.InitInstance());
        EXPECT_EQ(other.main().m_pWatch, nullptr) << show;
    }
}

struct StoredFont {
    const char* name;
    std::string fields;
    std::string face;
    plat::LogFont made;
    std::string written;
    std::string writtenFace;
};

class ClockFont : public Clock, public testing::WithParamInterface<StoredFont> {};

TEST_P(ClockFont, ComesFromTheStoreAndGoesBackOnDestroy) {
    const StoredFont& c = GetParam();
    h.store().Put("Watch", "WatchFont", c.fields);
    h.store().Put("Watch", "WatchFontName", c.face);
    fake::LiveHandles() = 0;
    StartClock();
    EXPECT_EQ(h.platform.graphics.DescribeFont(h.main().m_pWatch->m_font), c.made);
    h.main().OnCommand(ID_CLOCK);
    EXPECT_EQ(h.StoredString("Watch", "WatchFont"), c.written);
    EXPECT_EQ(h.StoredString("Watch", "WatchFontName"), c.writtenFace);
    EXPECT_EQ(fake::LiveHandles(), 0) << "the font outlived the clock";
}

plat::LogFont Font(int height, int weight, std::uint8_t italic, std::uint8_t underline,
                   std::uint8_t charSet, std::uint8_t pitch, std::string face) {
    plat::LogFont f;
    f.height = height;
    f.weight = weight;
    f.italic = italic;
    f.underline = underline;
    f.charSet = charSet;
    f.pitchAndFamily = pitch;
    f.faceName = std::move(face);
    return f;
}

// n half-width katakana, of three bytes each.
std::string Kana(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "ﾃ";
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClockFont,
    testing::Values(StoredFont{"Nothing", "", "", plat::LogFont{}, "0,0,0,0,0,0,0,0,0,0,0,0,0", ""},
                    StoredFont{"ByteFieldsKeepTheirLowBits", "-24,0,0,0,700,257,-1,0,384,0,0,0,305",
                               "ＭＳ ゴシック", Font(-24, 700, 1, 255, 128, 49, "ＭＳ ゴシック"),
                               "-24,0,0,0,700,1,255,0,128,0,0,0,49", "ＭＳ ゴシック"},
                    StoredFont{"MissingFieldsReadZero", "-12", "Arial",
                               Font(-12, 0, 0, 0, 0, 0, "Arial"), "-12,0,0,0,0,0,0,0,0,0,0,0,0",
                               "Arial"},
                    StoredFont{"ALongJapaneseNameIsCutAt31Characters", "0", Kana(40) + "ゴ",
                               Font(0, 0, 0, 0, 0, 0, Kana(31)), "0,0,0,0,0,0,0,0,0,0,0,0,0",
                               Kana(31)}),
    [](const auto& info) { return std::string(info.param.name); });

struct Cut {
    std::string name;
    std::string kept;
};

class FaceName : public testing::TestWithParam<Cut> {};

TEST_P(FaceName, KeepsAtMost31Utf16UnitsOfWholeCharacters) {
    EXPECT_EQ(plat::CutFaceName(GetParam().name), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FaceName,
    testing::Values(Cut{"", ""}, Cut{std::string(31, 'a'), std::string(31, 'a')},
                    Cut{std::string(32, 'a'), std::string(31, 'a')},
                    Cut{std::string(30, 'a') + "ゴシ", std::string(30, 'a') + "ゴ"},
                    // A character beyond the 16-bit plane takes two units: the 31st unit
                    // cannot hold half of one.
                    Cut{std::string(30, 'a') + "\xF0\x9F\x95\x90", std::string(30, 'a')},
                    Cut{std::string(29, 'a') + "\xF0\x9F\x95\x90\xF0\x9F\x95\x91",
                        std::string(29, 'a') + "\xF0\x9F\x95\x90"}));

struct Topmost {
    int stored;
    bool style;
    bool reasserted;
};

class ClockTopmost : public Clock, public testing::WithParamInterface<Topmost> {};

// A clock made with "TopMost" 1 stands above other windows from the start; the refresh puts any
// clock set to stay on top (any non-zero value) above them, shown where it was, and leaves one that
// already stands there in its place among them.
TEST_P(ClockTopmost, TheStyleNeedsExactlyOneAndTheRefreshAnyNonZero) {
    h.store().Put("Watch", "TopMost", GetParam().stored);
    StartClock();
    EXPECT_EQ(Window().topmost, GetParam().style);
    h.platform.log.clear();
    h.main().RefreshTopmost();
    EXPECT_EQ(Window().topmost, GetParam().stored != 0);
    EXPECT_TRUE(Window().visible);
    EXPECT_EQ(Window().rect, (Rect{10, 10, 110, 60}));
    EXPECT_EQ(h.Calls("Windows.SetWindowPos").empty(), !GetParam().reasserted)
        << "a clock already above the others is not placed again";
}

INSTANTIATE_TEST_SUITE_P(Values, ClockTopmost,
                         testing::Values(Topmost{1, true, false}, Topmost{0, false, false},
                                         Topmost{2, false, true}));

struct Position {
    const char* name;
    std::string stored;
    Rect placed;
};

class ClockPosition : public Clock, public testing::WithParamInterface<Position> {};

TEST_P(ClockPosition, IsAlwaysABoxThatCanBeSeenAndGrabbed) {
    h.store().Put("Watch", "Positon", GetParam().stored);
    StartClock();
    EXPECT_EQ(Window().rect, GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, ClockPosition,
    testing::Values(
        Position{"AsStored", "500,400,640,480", {500, 400, 640, 480}},
        Position{"EmptyIsNoSizeAtTheOrigin", "", {0, 0, 100, 50}},
        Position{"NoWidthKeepsTheTopLeft", "200,300,200,400", {200, 300, 300, 350}},
        Position{"UpsideDown", "200,300,250,100", {200, 300, 300, 350}},
        Position{"OnAnUnpluggedMonitor", "1500,100,1620,160", {904, 100, 1024, 160}},
        Position{"AboveAndLeftOfTheScreen", "-500,-400,-300,-350", {0, 0, 200, 50}},
        Position{"HugeNumbers", "2147483647,2147483647,-2147483648,5", {924, 718, 1024, 768}},
        Position{"PartlyOnScreenStays", "1000,700,1100,760", {1000, 700, 1100, 760}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Clock, AClockLeftOnARemovedMonitorComesBackOnTheDisplayChange) {
    h.platform.monitors.all = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    h.store().Put("Watch", "Positon", "1500,100,1620,160");
    StartClock();
    EXPECT_EQ(Window().rect, (Rect{1500, 100, 1620, 160}));
    h.main().OnDisplayChange();
    EXPECT_EQ(Window().rect, (Rect{1500, 100, 1620, 160}));
    h.platform.monitors.all = {{0, 0, 1024, 768}};
    h.main().OnDisplayChange();
    EXPECT_EQ(Window().rect, (Rect{904, 100, 1024, 160}));
    EXPECT_TRUE(Window().topmost);
}

// --- The settings dialog -------------------------------------------------------------------

TEST_F(Clock, ADoubleClickOnlyBeepsWhileAnyDialogIsOpen) {
    StartClock();
    h.platform.dialogs.dialogScripts.push_back([&](fake::FakeDialog&) {
        EXPECT_EQ(h.main().m_nOpenDialogs, 1);
        Window().popup->OnNcLButtonDblClk();  // the clock's own dialog is open
    });
    Window().popup->OnNcLButtonDblClk();
    EXPECT_EQ(h.platform.system.beeps, 1);
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);

    h.main().m_nOpenDialogs = 1;  // another dialog, the about box say
    Window().popup->OnNcLButtonDblClk();
    EXPECT_EQ(h.platform.system.beeps, 2);
    EXPECT_EQ(h.Calls("System.Beep"), (std::vector<std::string>(2, "System.Beep 40,100")));
    EXPECT_EQ(h.platform.dialogs.templates.size(), 1u);
}

struct Preview {
    const char* name;
    int fontHeight;
    Rect placed;
};

class ClockPreview : public Clock, public testing::WithParamInterface<Preview> {};

// In the fake, "88/888" is 48 pixels wide; the dialog's client area is 280 wide and control
// 1032 ends at 67.
TEST_P(ClockPreview, IsSizedOnTheMeasureAndCentredAboveTheMarker) {
    h.store().Put("Watch", "WatchFont", std::to_string(GetParam().fontHeight));
    StartClock();
    h.main().m_pWatch->m_topMost = 0;
    h.platform.dialogs.dialogScripts.push_back([&](fake::FakeDialog& d) {
        EXPECT_EQ(d.Template().caption, "時計の設定");
        EXPECT_FALSE(d.IsChecked(dlg::kWatchTopmost));
        EXPECT_EQ(d.ItemRect(dlg::kWatchPreview), GetParam().placed);
        h.platform.graphics.texts.clear();
        d.Paint();
        ASSERT_EQ(h.platform.graphics.texts.size(), 1u);
        const auto& drawn = h.platform.graphics.texts[0];
        EXPECT_EQ(drawn.window, d.Window());
        EXPECT_EQ(drawn.text, "10:15");
        EXPECT_EQ(drawn.rect, GetParam().placed);
        EXPECT_EQ(drawn.font.height, GetParam().fontHeight);
        EXPECT_EQ(drawn.back, 12632256u);
        EXPECT_EQ(drawn.textColour, 4194368u);
    });
    Window().popup->OnNcLButtonDblClk();
    EXPECT_EQ(h.platform.dialogs.templates.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, ClockPreview,
    testing::Values(Preview{"DefaultIsAtLeast20High", 0, {111, 23, 169, 43}},
                    Preview{"SmallFontIsAtLeast20High", -9, {111, 23, 169, 43}},
                    Preview{"MiddleFontTakesItsHeight", -30, {111, 18, 169, 48}},
                    Preview{"SeventyTwoPointIsAtMost45High", -96, {111, 11, 169, 56}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Clock, AChosenFontMovesThePreviewAndReachesTheClockOnlyOnOk) {
    StartClock();
    plat::LogFont big;
    big.height = -96;
    big.faceName = "ＭＳ ゴシック";
    for (int answer : {plat::mb::kIdCancel, plat::mb::kIdOk}) {
        h.platform.dialogs.fontAnswers.push_back(big);
        h.platform.dialogs.dialogScripts.push_back([&](fake::FakeDialog& d) {
            d.Click(dlg::kWatchFont);
            EXPECT_EQ(d.ItemRect(dlg::kWatchPreview), (Rect{111, 11, 169, 56}));
            EXPECT_EQ(d.invalidations, 1);
            EXPECT_EQ(h.platform.graphics.texts.back().font, big);
            d.Click(answer);
        });
        Window().popup->OnNcLButtonDblClk();
        const plat::LogFont now = h.platform.graphics.DescribeFont(h.main().m_pWatch->m_font);
        EXPECT_EQ(now == big, answer == plat::mb::kIdOk);
    }
    EXPECT_EQ(h.platform.dialogs.fontFlags, (std::vector<unsigned>{0x41, 0x41}));
    Window().popup->OnTimer(1);
    EXPECT_EQ(h.platform.graphics.texts.back().font, big);
}

struct Ending {
    const char* name;
    int button;
    bool untick;
};

class ClockSettings : public Clock, public testing::WithParamInterface<Ending> {};

TEST_P(ClockSettings, BothColoursAndTheFlagReachTheClockOnOkAndNothingOnCancel) {
    const Ending& e = GetParam();
    StartClock();
    const bool ok = e.button == plat::mb::kIdOk;
    h.platform.dialogs.colourAnswers = {0x0000FF, 0x00FF00};
    h.platform.dialogs.dialogScripts.push_back([&](fake::FakeDialog& d) {
        EXPECT_TRUE(d.IsChecked(dlg::kWatchTopmost));
        d.Click(dlg::kWatchTextColour);
        EXPECT_EQ(h.platform.graphics.texts.back().textColour, 0x0000FFu);
        d.Click(dlg::kWatchBackColour);
        EXPECT_EQ(h.platform.graphics.texts.back().back, 0x00FF00u);
        if (e.untick) d.Click(dlg::kWatchTopmost);
        h.platform.log.clear();
        d.Click(e.button);
    });
    Window().popup->OnNcLButtonDblClk();
    const CWatchWnd& clock = *h.main().m_pWatch;
    EXPECT_EQ(clock.m_textColor, ok ? 0x0000FFu : 4194368u);
    EXPECT_EQ(clock.m_bkColor, ok ? 0x00FF00u : 12632256u);
    EXPECT_EQ(clock.m_topMost, ok && e.untick ? 0 : 1);
    EXPECT_EQ(Window().topmost, !(ok && e.untick));
    EXPECT_EQ(Window().invalidations, ok ? 1 : 0);
    // The clock's own z-order; the refresh leaves alone a clock that stands in its band.
    EXPECT_EQ(h.Calls("Windows.SetWindowPos").size(), ok ? 1u : 0u);
    // OK is a finished change, kept at once; Cancel writes nothing.
    const std::vector<std::string> kept = {
        "Store.WriteString Watch/WatchFont=0,0,0,0,0,0,0,0,0,0,0,0,0",
        "Store.WriteString Watch/WatchFontName=",
        std::string("Store.WriteInt Watch/TopMost=") + (e.untick ? "0" : "1"),
        "Store.WriteString Watch/BkColor=65280", "Store.WriteString Watch/TextColor=255"};
    EXPECT_EQ(WatchWrites(), ok ? kept : std::vector<std::string>{});
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);
}

INSTANTIATE_TEST_SUITE_P(Endings, ClockSettings,
                         testing::Values(Ending{"Cancel", plat::mb::kIdCancel, true},
                                         Ending{"Ok", plat::mb::kIdOk, false},
                                         Ending{"OkUnticked", plat::mb::kIdOk, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Clock, ACancelledChooserChangesNothing) {
    StartClock();
    h.platform.dialogs.dialogScripts.push_back([&](fake::FakeDialog& d) {
        for (int id : {dlg::kWatchTextColour, dlg::kWatchBackColour, dlg::kWatchFont}) d.Click(id);
        EXPECT_EQ(d.ItemRect(dlg::kWatchPreview), (Rect{111, 23, 169, 43}));
        EXPECT_EQ(d.invalidations, 0);
        d.Click(plat::mb::kIdOk);
    });
    Window().popup->OnNcLButtonDblClk();
    EXPECT_EQ(h.main().m_pWatch->m_bkColor, 12632256u);
    EXPECT_EQ(h.main().m_pWatch->m_textColor, 4194368u);
}

// The session's end saves the clock even while its dialog runs and, once the session does end,
// the dialog's OK finds nothing to write into.
TEST_F(Clock, TheSessionEndingWhileTheDialogIsOpenSavesTheClockAndOkIsHarmless) {
    StartClock();
    h.platform.dialogs.colourAnswers = {0x123456};
    h.platform.dialogs.dialogScripts.push_back([&](fake::FakeDialog& d) {
        d.Click(dlg::kWatchBackColour);
        EXPECT_TRUE(h.main().OnQueryEndSession(true));
        EXPECT_NE(h.main().m_pWatch, nullptr) << "the session may yet go on";
        h.main().OnEndSession(true);
        d.Click(plat::mb::kIdOk);
    });
    Window().popup->OnNcLButtonDblClk();
    EXPECT_EQ(h.StoredString("Watch", "BkColor"), "12632256");
    EXPECT_EQ(h.StoredInt("Watch", "Show"), 1);
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);
}

}  // namespace
