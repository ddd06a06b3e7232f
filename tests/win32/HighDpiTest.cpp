// The program on a screen of 192 dpi. These run in a Wine prefix of their own whose screen is set
// to 192 dpi (scripts/test.sh); on any other screen they are skipped.
#include <windows.h>

#include <gtest/gtest.h>

#include "button/LaunchButton.h"
#include "clock/WatchWnd.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Utf.h"
#include "platform/win32/Win32Platform.h"
#include "res/Resource.h"
#include "shell/MainWnd.h"
#include "tests/win32/RealFiles.h"
#include "tools/TestIcons.h"

namespace {

constexpr char kApplication[] = "BrisaltoHighDpiTest";
constexpr wchar_t kKey[] = L"Software\\Kestrowave\\BrisaltoHighDpiTest";
constexpr COLORREF kWhite = RGB(255, 255, 255), kLight = RGB(192, 192, 192),
                   kDark = RGB(128, 128, 128), kBlack = RGB(0, 0, 0);

COLORREF Rgb(std::uint32_t argb) {
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

class HighDpi : public testing::Test {
  protected:
    void SetUp() override {
        if (platform.Monitors().DpiAt({0, 0, 1, 1}) != 192) {
            GTEST_SKIP() << "needs a screen of 192 dpi";
        }
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        platform.Store().SetLocation("Kestrowave", kApplication);
    }
    void TearDown() override {
        if (main) {
            main->SaveOnExit();
            if (main->Window()) DestroyWindow(win32::ToHwnd(main->Window()));
            main.reset();
        }
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    }
    void Open() {
        main = std::make_unique<CMainWnd>(platform);
        ASSERT_TRUE(main->Create());
        main->LoadAllButtons();
    }
    void Put(const char* section, const char* key, const std::string& value) {
        platform.Store().WriteString(section, key, value);
    }

    win32::Win32Platform platform;
    std::unique_ptr<CMainWnd> main;
};

TEST_F(HighDpi, ASize36ButtonIs71SquareWithTwoPixelEdgesAndTheModulesOwn48PixelPicture) {
    const std::string module = win32::Narrow(real::BuildDir() + L"fiveicons.dll");
    platform.Store().WriteInt("Button", "Num", 1);
    Put("Btn1", "AppName", module);
    Put("Btn1", "Data", "0,4,200,150,0,0");  // icon 4 holds only a 48-pixel picture
    Open();
    ASSERT_EQ(main->m_buttons.size(), 1u);
    CLaunchButton& button = *main->m_buttons[0];
    HWND hwnd = win32::ToHwnd(button.Window());
    RECT r{};
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.right - r.left, 71);
    EXPECT_EQ(r.bottom - r.top, 71);

    UpdateWindow(hwnd);
    button.DrawFace();
    HDC dc = GetDC(hwnd);
    const COLORREF magenta = Rgb(art::kTestIcons[4].argb);
    // Raised: two white rows and columns, the picture in the middle of the room inside the edges,
    // from (11, 11) to (58, 58) and no further, two dark columns inside the black one that the
    // window shows of its two.
    EXPECT_EQ(GetPixel(dc, 60, 0), kWhite);
    EXPECT_EQ(GetPixel(dc, 60, 1), kWhite);
    EXPECT_EQ(GetPixel(dc, 60, 2), kLight);
    EXPECT_EQ(GetPixel(dc, 1, 60), kWhite);
    EXPECT_EQ(GetPixel(dc, 2, 60), kLight);
    EXPECT_EQ(GetPixel(dc, 10, 10), kLight);
    EXPECT_EQ(GetPixel(dc, 11, 11), magenta);
    EXPECT_EQ(GetPixel(dc, 58, 58), magenta);
    EXPECT_EQ(GetPixel(dc, 59, 59), kLight) << "the 48-pixel picture is not stretched";
    EXPECT_EQ(GetPixel(dc, 67, 30), kLight);
    EXPECT_EQ(GetPixel(dc, 68, 30), kDark);
    EXPECT_EQ(GetPixel(dc, 69, 30), kDark);
    EXPECT_EQ(GetPixel(dc, 70, 30), kBlack);
    EXPECT_EQ(GetPixel(dc, 30, 69), kDark);
    EXPECT_EQ(GetPixel(dc, 30, 70), kBlack);

    // Sunken: the picture one scaled pixel further, two black and two dark rows above it.
    button.m_pressed = 1;
    button.DrawFace();
    EXPECT_EQ(GetPixel(dc, 60, 1), kBlack);
    EXPECT_EQ(GetPixel(dc, 60, 3), kDark);
    EXPECT_EQ(GetPixel(dc, 3, 3), kDark);
    EXPECT_EQ(GetPixel(dc, 12, 12), kLight);
    EXPECT_EQ(GetPixel(dc, 13, 13), magenta);
    EXPECT_EQ(GetPixel(dc, 60, 60), magenta);
    EXPECT_EQ(GetPixel(dc, 61, 61), kLight);
    EXPECT_EQ(GetPixel(dc, 30, 70), kWhite);
    ReleaseDC(hwnd, dc);
    button.m_pressed = 0;

    main->SaveOnExit();
    EXPECT_EQ(platform.Store().ReadString("Btn1", "Data", ""), "0,4,200,150,235,185")
        << "the store keeps the size in 96-dpi units";
}

TEST_F(HighDpi, TheClockIs200By100WithAFontTwiceAsTall) {
    Put("Watch", "WatchFont", "-13,0,0,0,400");
    Put("Watch", "WatchFontName", "Tahoma");
    Open();
    main->OnCommand(ID_CLOCK);
    ASSERT_NE(main->m_pWatch, nullptr);
    HWND clock = win32::ToHwnd(main->m_pWatch->Window());
    RECT r{};
    GetWindowRect(clock, &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 100);

    // The same font at 96 dpi, for the measure.
    LOGFONTW lf{};
    lf.lfHeight = -13;
    lf.lfWeight = 400;
    wcscpy(lf.lfFaceName, L"Tahoma");
    HFONT classic = CreateFontIndirectW(&lf);
    HDC dc = GetDC(clock);
    TEXTMETRICW small{}, large{};
    HGDIOBJ old = SelectObject(dc, classic);
    GetTextMetricsW(dc, &small);
    SelectObject(dc, reinterpret_cast<HFONT>(main->m_pWatch->m_font.Get()));
    GetTextMetricsW(dc, &large);
    SelectObject(dc, old);
    ReleaseDC(clock, dc);
    DeleteObject(classic);
    EXPECT_NEAR(large.tmHeight, 2 * small.tmHeight, 1);

    main->OnCommand(ID_CLOCK);
    EXPECT_EQ(platform.Store().ReadString("Watch", "Positon", ""), "10,10,110,60");
    EXPECT_EQ(platform.Store().ReadString("Watch", "WatchFont", "").substr(0, 4), "-13,");
}

}  // namespace
