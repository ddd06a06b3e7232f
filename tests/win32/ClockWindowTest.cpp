#include <windows.h>

#include <gtest/gtest.h>

#include "clock/WatchWnd.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Platform.h"
#include "res/Dialogs.h"
#include "res/Resource.h"
#include "shell/MainWnd.h"

namespace {

// A store of its own, so that nothing here touches the program's settings.
constexpr char kApplication[] = "BrisaltoClockTest";
constexpr wchar_t kWatchKey[] = L"Software\\Kestrowave\\BrisaltoClockTest\\Watch";

class ClockWindow : public testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kestrowave\\BrisaltoClockTest");
        platform.Store().SetLocation("Kestrowave", kApplication);
    }
    void TearDown() override {
        if (main) {
            main->SaveOnExit();
            if (main->Window()) DestroyWindow(win32::ToHwnd(main->Window()));
            main.reset();
        }
        // The main window's end posts the quit message; later tests run message loops.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kestrowave\\BrisaltoClockTest");
    }
    HWND OpenClock() {
        main = std::make_unique<CMainWnd>(platform);
        EXPECT_TRUE(main->Create());
        main->OnCommand(ID_CLOCK);
        return main->m_pWatch ? win32::ToHwnd(main->m_pWatch->Window()) : nullptr;
    }
    std::wstring Stored(const wchar_t* name) {
        wchar_t text[256] = {};
        DWORD size = sizeof text;
        RegGetValueW(HKEY_CURRENT_USER, kWatchKey, name, RRF_RT_REG_SZ, nullptr, text, &size);
        return text;
    }
    LRESULT HitTest(HWND clock, int x, int y) {
        return SendMessageW(clock, WM_NCHITTEST, 0, MAKELPARAM(x, y));
    }

    win32::Win32Platform platform;
    std::unique_ptr<CMainWnd> main;
};

TEST_F(ClockWindow, IsAGreyCaptionlessOwnedTopmostPopupWithoutCursor) {
    HWND clock = OpenClock();
    ASSERT_NE(clock, nullptr);
    EXPECT_TRUE(IsWindowVisible(clock));
    RECT r{};
    GetWindowRect(clock, &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.right, 110);
    EXPECT_EQ(r.bottom, 60);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(clock, GWL_STYLE));
    EXPECT_EQ(style & (WS_POPUP | WS_VISIBLE | WS_BORDER | WS_THICKFRAME | WS_CAPTION | WS_SYSMENU),
              static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_BORDER | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongPtrW(clock, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(clock, GW_OWNER), win32::ToHwnd(main->Window()));
    // Named by the time it shows, "MM/DD HH:MM".
    wchar_t text[32] = {};
    GetWindowTextW(clock, text, 32);
    EXPECT_EQ(wcslen(text), 11u);
    EXPECT_EQ(text[2], L'/');
    EXPECT_EQ(text[8], L':');

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wchar_t name[64] = {};
    GetClassNameW(clock, name, 64);
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(wc.hCursor, nullptr);
    EXPECT_EQ(wc.hbrBackground, GetStockObject(LTGRAY_BRUSH));
}

TEST_F(ClockWindow, ApplyTopmostTakesItOutOfTheTopBandAndBackInPlace) {
    HWND clock = OpenClock();
    ASSERT_NE(clock, nullptr);
    CWatchWnd& watch = *main->m_pWatch;
    watch.m_topMost = 0;
    watch.ApplyTopmost();
    EXPECT_FALSE(GetWindowLongPtrW(clock, GWL_EXSTYLE) & WS_EX_TOPMOST);
    watch.m_topMost = 1;
    watch.ApplyTopmost();
    EXPECT_TRUE(GetWindowLongPtrW(clock, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT r{};
    GetWindowRect(clock, &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.right, 110);
}

// Inside, the window is its own caption, so a drag moves it; the outer band is the frame's.
// The frame's corner codes reach along each side as far as the system's caption-button height
// (SM_CYSIZE) from the inner edge of the frame: 18 px under Wine 8, 22 under Wine 10 and
// Windows 10, whose corners meet halfway down the default clock's 50-px side. The sides are
// looked at on a clock tall enough to have a middle under any of them.
TEST_F(ClockWindow, TheHitTestDragsInsideAndSizesAtTheEdgeAndCloseIsIgnored) {
    HWND clock = OpenClock();
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(HitTest(clock, 60, 35), HTCAPTION);
    EXPECT_EQ(HitTest(clock, 13, 13), HTCAPTION);
    EXPECT_EQ(HitTest(clock, 60, 58), HTBOTTOM);
    EXPECT_EQ(HitTest(clock, 109, 59), HTBOTTOMRIGHT);
    EXPECT_EQ(HitTest(clock, 11, 11), HTTOPLEFT);
    MoveWindow(clock, 10, 10, 100, 120, TRUE);
    EXPECT_EQ(HitTest(clock, 11, 70), HTLEFT);
    EXPECT_EQ(HitTest(clock, 108, 70), HTRIGHT);
    EXPECT_EQ(HitTest(clock, 60, 70), HTCAPTION);
    SendMessageW(clock, WM_CLOSE, 0, 0);
    SendMessageW(clock, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(IsWindow(clock));
}

// Frameless windows of ours leave the area outside their face undrawn; the clock has a frame,
// and the system still draws it.
TEST_F(ClockWindow, ItsFrameIsDrawn) {
    HWND clock = OpenClock();
    ASSERT_NE(clock, nullptr);
    HDC dc = GetWindowDC(clock);
    const RECT whole{0, 0, 100, 50};
    const win32::Brush red(CreateSolidBrush(RGB(255, 0, 0)));
    FillRect(dc, &whole, red.get());
    ASSERT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
    SendMessageW(clock, WM_NCPAINT, 1, 0);
    EXPECT_NE(GetPixel(dc, 0, 0), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(dc, 99, 49), RGB(255, 0, 0));
    ReleaseDC(clock, dc);
}

TEST_F(ClockWindow, ItsFontGoesToTheStoreWithTheFaceCutAt31Characters) {
    const std::wstring fields = L"-20,0,0,0,700,1,0,0,128,0,0,0,49";
    RegSetKeyValueW(HKEY_CURRENT_USER, kWatchKey, L"WatchFont", REG_SZ, fields.c_str(),
                    static_cast<DWORD>((fields.size() + 1) * sizeof(wchar_t)));
    std::wstring face;
    for (int i = 0; i < 40; ++i) face += L"ゴ";
    RegSetKeyValueW(HKEY_CURRENT_USER, kWatchKey, L"WatchFontName", REG_SZ, face.c_str(),
                    static_cast<DWORD>((face.size() + 1) * sizeof(wchar_t)));
    ASSERT_NE(OpenClock(), nullptr);
    MoveWindow(win32::ToHwnd(main->m_pWatch->Window()), 40, 50, 130, 70, TRUE);
    main->OnCommand(ID_CLOCK);
    EXPECT_EQ(main->m_pWatch, nullptr);
    EXPECT_EQ(Stored(L"Positon"), L"40,50,170,120");
    EXPECT_EQ(Stored(L"WatchFont"), fields);
    EXPECT_EQ(Stored(L"WatchFontName"), face.substr(0, 31));
    EXPECT_EQ(Stored(L"BkColor"), L"12632256");
}

// The dialog port on the real template: geometry in client pixels, the check box, painting.
class Probe : public plat::IDialogEvents {
  public:
    void OnInitDialog(plat::IDialog& d) override {
        client = d.ClientRect();
        marker = d.ItemRect(dlg::kWatchPreviewBound);
        d.MoveItem(dlg::kWatchPreview, {20, 5, 120, 40});
        moved = d.ItemRect(dlg::kWatchPreview);
        d.SetChecked(dlg::kWatchTopmost, true);
        checked = d.IsChecked(dlg::kWatchTopmost);
        d.SetChecked(dlg::kWatchTopmost, false);
        unchecked = !d.IsChecked(dlg::kWatchTopmost);
        d.Invalidate(plat::IDialog::kWholeDialog);
    }
    void OnPaint(plat::IDialog& d) override {
        painted = true;
        d.End(plat::mb::kIdOk);
    }
    plat::Rect client, marker, moved;
    bool checked = false, unchecked = false, painted = false;
};

TEST(ClockSettingsTemplate, ReportsItsGeometryInClientPixelsTicksAndPaints) {
    win32::Dialogs dialogs;
    Probe probe;
    EXPECT_EQ(dialogs.RunModalDialog(dlg::WatchSet(), {}, probe), plat::mb::kIdOk);
    EXPECT_TRUE(probe.painted);
    EXPECT_GT(probe.client.Width(), 187);
    EXPECT_GT(probe.client.Height(), 93);
    // The marker sits at the right edge, just above the middle of the client area.
    EXPECT_GT(probe.marker.left, probe.client.Width() * 9 / 10);
    EXPECT_LE(probe.marker.right, probe.client.right);
    EXPECT_GT(probe.marker.bottom, probe.client.Height() / 3);
    EXPECT_LT(probe.marker.bottom, probe.client.Height() / 2 + 10);
    EXPECT_EQ(probe.moved, (plat::Rect{20, 5, 120, 40}));
    EXPECT_TRUE(probe.checked);
    EXPECT_TRUE(probe.unchecked);
}

}  // namespace
