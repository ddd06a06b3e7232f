// The keyboard against the real window system: the hotkey, the keys and the focus a button hears,
// the focus ring's pixels and the place of a large face's icon.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "button/LaunchButton.h"
#include "platform/win32/Graphics.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Input.h"
#include "platform/win32/Windows.h"

namespace {

using win32::ToHwnd;

struct KeyRecorder : plat::IPopupEvents {
    void OnCreate(plat::WindowRef self) override { window = self; }
    bool OnKeyDown(plat::Key key, unsigned keys) override {
        pressed.push_back({key, keys});
        return true;
    }
    void OnFocus(bool gained) override { focus.push_back(gained); }
    struct Press {
        plat::Key key;
        unsigned keys;
    };
    plat::WindowRef window;
    std::vector<Press> pressed;
    std::vector<bool> focus;
};

struct MainRecorder : plat::IMainWindowEvents {
    bool OnCreate(plat::WindowRef) override { return true; }
    void OnClose() override {}
    bool OnQueryEndSession(bool answer) override { return answer; }
    void OnEndSession(bool) override {}
    void OnCommand(int) override {}
    void OnTrayEvent(int, plat::Point) override {}
    void OnTaskbarCreated() override {}
    void OnDisplayChange() override {}
    void OnForegroundWindow(const plat::ForegroundWindow&) override {}
    void OnHotkey() override { ++hotkeys; }
    void OnDestroyed() override {}
    int hotkeys = 0;
};

class Keys : public testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        windows.CreatePopup(CLaunchButton::WindowSpec({}), events);
        ASSERT_TRUE(events.window);
        hwnd = ToHwnd(events.window);
    }
    void TearDown() override {
        if (hwnd != nullptr) DestroyWindow(hwnd);
    }
    // Shows the window at (400, 300), `side` pixels square, in front of everything.
    void Show(int side) {
        windows.SetWindowPos(events.window, plat::ZOrder::Topmost, 400, 300, side, side,
                             plat::swp::kShowWindow);
        UpdateWindow(hwnd);
    }
    COLORREF Pixel(int x, int y) {
        HDC dc = GetDC(hwnd);
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(hwnd, dc);
        return c;
    }

    win32::Windows windows;
    win32::Graphics graphics;
    KeyRecorder events;
    HWND hwnd = nullptr;
};

constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kGrey = RGB(192, 192, 192);

TEST_F(Keys, TheHotkeyIsRegisteredHeardAndReleased) {
    MainRecorder mainEvents;
    const plat::WindowRef main = windows.CreateMainWindow("BrisaltoKeysTest", mainEvents);
    ASSERT_TRUE(main);
    win32::Input input;
    const unsigned combination =
        plat::hotkey::Combine(plat::hotkey::kControl | plat::hotkey::kAlt, VK_F11);
    ASSERT_TRUE(input.RegisterHotkey(main, combination));
    // Held: another window cannot have it, and our own registration says so too.
    EXPECT_FALSE(RegisterHotKey(hwnd, 7, MOD_CONTROL | MOD_ALT, VK_F11));
    win32::Input other;
    EXPECT_FALSE(other.RegisterHotkey(events.window, combination));
    SendMessageW(ToHwnd(main), WM_HOTKEY, 1, MAKELPARAM(MOD_CONTROL | MOD_ALT, VK_F11));
    EXPECT_EQ(mainEvents.hotkeys, 1);
    input.UnregisterHotkey(main);
    EXPECT_TRUE(RegisterHotKey(hwnd, 7, MOD_CONTROL | MOD_ALT, VK_F11)) << "released";
    UnregisterHotKey(hwnd, 7);
    EXPECT_FALSE(input.RegisterHotkey(main, 0)) << "none registers nothing";
    DestroyWindow(ToHwnd(main));
}

TEST_F(Keys, AFocusedButtonHearsItsKeysAndOneMenuPerPressOfEitherMenuKey) {
    Show(35);
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
    ASSERT_FALSE(events.focus.empty());
    EXPECT_TRUE(events.focus.back());
    const WPARAM plain[] = {VK_LEFT, VK_RIGHT,  VK_UP,    VK_DOWN,   VK_TAB, VK_HOME,
                            VK_END,  VK_RETURN, VK_SPACE, VK_ESCAPE, VK_APPS};
    for (const WPARAM vk : plain) {
        EXPECT_EQ(SendMessageW(hwnd, WM_KEYDOWN, vk, 1), 0);
        SendMessageW(hwnd, WM_KEYUP, vk, 0xC0000001);
    }
    SendMessageW(hwnd, WM_KEYDOWN, 'A', 1);  // not one of ours
    // Shift+F10: a system key with Shift held.
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_SHIFT] = 0x80;
    SetKeyboardState(state);
    SendMessageW(hwnd, WM_SYSKEYDOWN, VK_F10, 1);
    SendMessageW(hwnd, WM_SYSKEYUP, VK_F10, 0xC0000001);
    SendMessageW(hwnd, WM_KEYDOWN, VK_TAB, 1);
    state[VK_SHIFT] = 0;
    SetKeyboardState(state);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);

    using plat::Key;
    const std::vector<Key> expected = {Key::Left, Key::Right, Key::Up,    Key::Down,  Key::Tab,
                                       Key::Home, Key::End,   Key::Enter, Key::Space, Key::Escape,
                                       Key::Menu, Key::Menu,  Key::Tab};
    std::vector<Key> keys;
    for (const auto& p : events.pressed) keys.push_back(p.key);
    EXPECT_EQ(keys, expected);
    ASSERT_EQ(events.pressed.size(), expected.size());
    EXPECT_EQ(events.pressed.back().keys, static_cast<unsigned>(MK_SHIFT)) << "Shift+Tab";
    EXPECT_EQ(events.pressed[0].keys, 0u);

    SetFocus(nullptr);
    EXPECT_FALSE(events.focus.back());
}

TEST_F(Keys, TheRingIsABlackAndAWhiteLineInsideTheClassicFace) {
    Show(35);
    graphics.PaintButtonFace(events.window, false, nullptr, 36, plat::kClassicFace, false);
    EXPECT_EQ(Pixel(2, 2), kGrey);
    EXPECT_EQ(Pixel(17, 1), kGrey);
    graphics.PaintButtonFace(events.window, false, nullptr, 36, plat::kClassicFace, true);
    EXPECT_EQ(Pixel(0, 0), kWhite) << "the edge stays";
    EXPECT_EQ(Pixel(1, 1), kBlack);
    EXPECT_EQ(Pixel(17, 1), kBlack);
    EXPECT_EQ(Pixel(2, 17), kWhite);
    EXPECT_EQ(Pixel(33, 17), kBlack);
    EXPECT_EQ(Pixel(32, 17), kWhite);
    EXPECT_EQ(Pixel(17, 17), kGrey);
    graphics.PaintButtonFace(events.window, true, nullptr, 36, plat::kClassicFace, true);
    EXPECT_EQ(Pixel(1, 1), kBlack);
    EXPECT_EQ(Pixel(2, 17), kWhite) << "sunken too";
}

TEST_F(Keys, TheRingAt192DpiIsTwiceAsWide) {
    Show(71);
    graphics.PaintButtonFace(events.window, false, nullptr, 72, 2, true);
    EXPECT_EQ(Pixel(1, 35), kWhite) << "the edge";
    EXPECT_EQ(Pixel(2, 35), kBlack);
    EXPECT_EQ(Pixel(3, 35), kBlack);
    EXPECT_EQ(Pixel(4, 35), kWhite);
    EXPECT_EQ(Pixel(5, 35), kWhite);
    EXPECT_EQ(Pixel(6, 35), kGrey);
    EXPECT_EQ(Pixel(35, 67), kBlack);
    EXPECT_EQ(Pixel(35, 68), kBlack);
    EXPECT_EQ(Pixel(35, 66), kWhite);
    EXPECT_EQ(Pixel(35, 64), kGrey);
    graphics.PaintButtonFace(events.window, false, nullptr, 72, 2, false);
    EXPECT_EQ(Pixel(2, 35), kGrey);
    EXPECT_EQ(Pixel(4, 35), kGrey);
}

// A 48-pixel icon of one colour.
HICON SolidIcon(int side, COLORREF colour) {
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, side, side);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, picture);
    const RECT all{0, 0, side, side};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    std::vector<BYTE> bits(static_cast<std::size_t>(side * side / 8), 0);  // opaque everywhere
    HBITMAP mask = CreateBitmap(side, side, 1, 1, bits.data());
    ICONINFO info{TRUE, 0, 0, mask, picture};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(picture);
    return icon;
}

TEST_F(Keys, ASmallerIconSitsInTheMiddleOfA192DpiFaceRaisedAndPressed) {
    // A size-60 button at 192 dpi: 119 pixels, a face of 120 with edges of 2.
    Show(119);
    const plat::Icon icon(reinterpret_cast<std::uintptr_t>(SolidIcon(48, RGB(255, 0, 0))),
                          [](std::uintptr_t h) { DestroyIcon(reinterpret_cast<HICON>(h)); });
    ASSERT_TRUE(icon);
    graphics.PaintButtonFace(events.window, false, &icon, 120, 2, false);
    EXPECT_EQ(Pixel(34, 34), kGrey);
    EXPECT_EQ(Pixel(35, 35), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(82, 82), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(83, 83), kGrey);
    EXPECT_EQ(Pixel(4, 4), kGrey) << "nothing in the corner";
    graphics.PaintButtonFace(events.window, true, &icon, 120, 2, false);
    EXPECT_EQ(Pixel(36, 36), kGrey);
    EXPECT_EQ(Pixel(37, 37), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(84, 84), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(85, 85), kGrey);
}

}  // namespace
