#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "platform/win32/Utf.h"
#include "tests/e2e/Driver.h"
#include "tests/e2e/WithTrayIcon.h"
#include "tools/TestIcons.h"

namespace {

using namespace std::chrono_literals;

// Control ids of the two dialogs, as a user finds them by their place.
constexpr int kPath = 1008;
constexpr int kSize = 1000;
constexpr int kChangeIcon = 1004;
constexpr int kNext = 1018;
constexpr int kSample = 1020;

// The recorder lies beside this test program; it holds two icons of known colours.
std::wstring RecorderPath() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"recorder.exe";
}

std::uint32_t Rgb(int icon) {
    return art::kTestIcons[static_cast<std::size_t>(icon)].argb & 0xFFFFFF;
}
constexpr int kFirstIcon = 2;   // size32.ico, blue
constexpr int kSecondIcon = 4;  // size48.ico, magenta

std::wstring Text(HWND dialog, int id) {
    wchar_t text[1024] = {};
    GetDlgItemTextW(dialog, id, text, 1024);
    return text;
}

// A visible button window of the program with its top left corner at `at`.
HWND ButtonAt(DWORD pid, POINT at) {
    HWND w = nullptr;
    while ((w = FindWindowExW(nullptr, w, L"BrisaltoButton", nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        RECT r{};
        GetWindowRect(w, &r);
        if (owner == pid && IsWindowVisible(w) && r.left == at.x && r.top == at.y) return w;
    }
    return nullptr;
}

class Editing : public e2e::WithTrayIcon {
  protected:
    HWND WaitForDialog(const wchar_t* caption) { return e2e::WaitForDialog(program.Id(), caption); }
    // Types into an edit as the keyboard would, after a click has put the focus there.
    void TypeInto(HWND dialog, int id, const std::wstring& text) {
        e2e::ClickItem(dialog, id);
        e2e::RunUnix({"/usr/bin/xdotool", "key", "--clearmodifiers", "ctrl+a", "BackSpace"});
        e2e::RunUnix({"/usr/bin/xdotool", "type", "--delay", "15", win32::Narrow(text)});
        e2e::WaitUntil([&] { return Text(dialog, id) == text; }, 5s);
    }
    // How many pixels of the button's face have the colour.
    static long Count(const std::vector<std::uint32_t>& pixels, std::uint32_t rgb) {
        return std::count(pixels.begin(), pixels.end(), rgb);
    }
};

TEST_F(Editing, AButtonIsAddedFromTheTrayMenuAndItsIconAndSizeAreEditedInItsSettings) {
    HWND menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    e2e::ChooseByMnemonic(menu, 'b');
    HWND settings = WaitForDialog(L"設定");
    ASSERT_NE(settings, nullptr) << "no settings dialog after ﾎﾞﾀﾝの追加";

    const std::wstring recorder = RecorderPath();
    TypeInto(settings, kPath, recorder);
    ASSERT_EQ(Text(settings, kPath), recorder) << "typing did not reach the path edit";
    EXPECT_EQ(Text(settings, kSize), L"36");
    std::this_thread::sleep_for(300ms);
    std::printf("screenshot: %s\n", e2e::Screenshot("settings-dialog").c_str());
    e2e::ClickItem(settings, IDOK);

    HWND button = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        return (button = ButtonAt(program.Id(), {100, 100}));
    })) << "no button at (100, 100)";
    RECT r{};
    GetWindowRect(button, &r);
    EXPECT_EQ(r.right - r.left, 35);
    // The button shows before its icon is loaded; the list is stored after that.
    e2e::WaitUntil([] { return e2e::StoredInt(L"Button", L"Num").has_value(); }, 5s);
    EXPECT_EQ(e2e::StoredInt(L"Button", L"Num"), std::optional<DWORD>(1));
    EXPECT_EQ(e2e::StoredString(L"Btn1", L"AppName"), std::optional<std::wstring>(recorder));
    std::this_thread::sleep_for(300ms);
    const auto before = e2e::ScreenPixels(r);
    EXPECT_GT(Count(before, Rgb(kFirstIcon)), 100) << "the face shows the program's first icon";

    // Its own menu, "設定(&S)".
    e2e::Click(117, 117, 3);
    HWND buttonMenu = e2e::WaitForMenu();
    ASSERT_NE(buttonMenu, nullptr);
    e2e::ChooseByMnemonic(buttonMenu, 's');
    settings = WaitForDialog(L"設定");
    ASSERT_NE(settings, nullptr) << "no settings dialog after 設定(&S)";
    EXPECT_EQ(Text(settings, kPath), recorder);

    e2e::ClickItem(settings, kChangeIcon);
    HWND change = WaitForDialog(L"ｱｲｺﾝの変更");
    ASSERT_NE(change, nullptr);
    // The next icon shows in the sample; a click that a busy desktop drops is made again.
    HWND sample = GetDlgItem(change, kSample);
    const auto first = SendMessageW(sample, STM_GETICON, 0, 0);
    bool moved = false;
    for (int attempt = 0; attempt < 3 && !moved; ++attempt) {
        e2e::ClickItem(change, kNext);
        moved =
            e2e::WaitUntil([&] { return SendMessageW(sample, STM_GETICON, 0, 0) != first; }, 3s);
    }
    ASSERT_TRUE(moved) << "the sample did not go on to the next icon";
    std::this_thread::sleep_for(300ms);
    std::printf("screenshot: %s\n", e2e::Screenshot("icon-change-dialog").c_str());
    e2e::ClickItem(change, IDOK);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(change); }));

    // Too small a size is refused with the range message, and the dialog stays open.
    TypeInto(settings, kSize, L"14");
    e2e::ClickItem(settings, IDOK);
    HWND box = nullptr;
    const std::wstring range = L"15 から 200 までの整数を入力してください。";
    ASSERT_TRUE(e2e::WaitUntil([&] {
        HWND w = nullptr;
        while ((w = FindWindowExW(nullptr, w, L"#32770", L"Vopdrant")) != nullptr) {
            if (e2e::MessageBoxText(w) == range) {
                box = w;
                return true;
            }
        }
        return false;
    })) << "no range message";
    std::this_thread::sleep_for(300ms);
    std::printf("screenshot: %s\n", e2e::Screenshot("size-range-message").c_str());
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(IsWindow(settings));

    TypeInto(settings, kSize, L"36");
    e2e::ClickItem(settings, IDOK);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(settings); }));
    std::this_thread::sleep_for(500ms);

    const auto after = e2e::ScreenPixels(r);
    std::printf("screenshot: %s\n", e2e::Screenshot("edited-button").c_str());
    EXPECT_GT(Count(after, Rgb(kSecondIcon)), 100) << "the face shows the new icon";
    EXPECT_EQ(Count(after, Rgb(kFirstIcon)), 0) << "nothing of the old icon stays on the face";
    // Written at once: show mode 0, icon index 1, the place kept.
    const auto data = e2e::StoredString(L"Btn1", L"Data");
    ASSERT_TRUE(data);
    EXPECT_EQ(data->rfind(L"0,1,100,100,", 0), 0u) << win32::Narrow(*data);
    EXPECT_EQ(e2e::StoredString(L"Btn1", L"Icon"), std::optional<std::wstring>(L""));
}

}  // namespace
