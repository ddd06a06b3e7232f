// The installer and uninstaller as a user meets them, in a Wine prefix that has never seen
// Brisalto (tests/install/run.sh makes it fresh for every run).
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "res/Version.h"
#include "tests/e2e/Driver.h"

namespace {

using namespace std::chrono_literals;
using e2e::Process;

const std::wstring kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring kUninstallKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brisalto";
const std::wstring kSetupCaption = L"Brisalto セットアップ";
const std::wstring kUninstallCaption = L"Brisalto アンインストール";

std::wstring InstallDir() {
    wchar_t path[MAX_PATH] = {};
    ExpandEnvironmentStringsW(L"%LOCALAPPDATA%\\Programs\\Brisalto", path, MAX_PATH);
    return path;
}
std::wstring InstalledExe() { return InstallDir() + L"\\Brisalto.exe"; }
std::wstring Uninstaller() { return InstallDir() + L"\\Uninstall.exe"; }

std::wstring Shortcut() {
    wchar_t programs[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, 0, programs);
    return std::wstring(programs) + L"\\Brisalto.lnk";
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool UserKeyExists(const std::wstring& key) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return false;
    RegCloseKey(h);
    return true;
}

std::optional<std::wstring> RunValue() { return e2e::UserString(kRunKey, L"Brisalto"); }

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

std::optional<DWORD> Install(const std::wstring& arguments) {
    Process setup;
    if (!setup.Start(e2e::WindowsPath(e2e::Variable(L"BRISALTO_SETUP")), arguments)) return {};
    return setup.WaitForExit(60s);
}

// The uninstaller hands its work to a copy of itself and returns at once; the work is done
// when its entry in Apps & features is gone.
bool Uninstall(const std::wstring& arguments) {
    Process uninstaller;
    return uninstaller.Start(Uninstaller(), arguments) &&
           e2e::WaitUntil([] { return !UserKeyExists(kUninstallKey); }, 60s);
}

// A visible top-level dialog of any process whose caption begins with `caption` (the
// uninstaller's ends in a blank); with `boxText`, only the message box that says it.
HWND FindDialog(const std::wstring& caption, const std::wstring& boxText = L"") {
    HWND w = nullptr;
    while ((w = FindWindowExW(nullptr, w, L"#32770", nullptr)) != nullptr) {
        wchar_t text[256] = {};
        GetWindowTextW(w, text, 256);
        if (!IsWindowVisible(w) || std::wstring(text).rfind(caption, 0) != 0) continue;
        if (boxText.empty() || e2e::MessageBoxText(w) == boxText) return w;
    }
    return nullptr;
}

HWND WaitForDialog(const std::wstring& caption, const std::wstring& boxText = L"") {
    HWND found = nullptr;
    e2e::WaitUntil([&] { return (found = FindDialog(caption, boxText)) != nullptr; });
    return found;
}

// A visible control anywhere inside `parent` with exactly this text.
HWND FindControl(HWND parent, const std::wstring& text) {
    struct Search {
        const std::wstring& text;
        HWND found;
    } search{text, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM lp) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lp);
            // Asked of the control itself: an edit box of another process keeps its text
            // where GetWindowText does not look.
            wchar_t buffer[256] = {};
            SendMessageW(child, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
            if (IsWindowVisible(child) && s.text == buffer) {
                s.found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ClickCentre(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    e2e::Click((r.left + r.right) / 2, (r.top + r.bottom) / 2, 1);
}

class Installer : public testing::Test {
  protected:
    void SetUp() override { e2e::ClearStore(); }
};

TEST_F(Installer, InstallsForTheUserAloneWithShortcutAndUninstallEntry) {
    ASSERT_EQ(Install(L"/S"), std::optional<DWORD>(0));

    EXPECT_TRUE(Exists(InstalledExe()));
    EXPECT_TRUE(Exists(InstallDir() + L"\\Brisalto.html"));
    EXPECT_TRUE(Exists(Shortcut()));
    auto entry = [](const wchar_t* value) { return e2e::UserString(kUninstallKey, value); };
    EXPECT_EQ(entry(L"DisplayName"), std::optional<std::wstring>(L"Brisalto"));
    EXPECT_EQ(entry(L"Publisher"), std::optional<std::wstring>(L"Kestrowave"));
    EXPECT_EQ(entry(L"DisplayVersion"), std::optional<std::wstring>(L"" BRISALTO_VERSION_TEXT));
    EXPECT_EQ(entry(L"DisplayIcon"), std::optional<std::wstring>(InstalledExe() + L",0"));
    EXPECT_EQ(entry(L"UninstallString"), std::optional<std::wstring>(Quoted(Uninstaller())));
    EXPECT_EQ(RunValue(), std::nullopt) << "nobody asked to start it at login";

    // It runs from where it was put.
    Process p;
    ASSERT_TRUE(p.Start(InstalledExe(), L""));
    HWND main = nullptr;
    ASSERT_TRUE(e2e::WaitUntil(
        [&] { return (main = e2e::FindWindowOf(p.Id(), nullptr, L"Brisalt")) != nullptr; }));
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(p.WaitForExit(), std::optional<DWORD>(0));

    ASSERT_TRUE(Uninstall(L"/S"));
}

// The switches of a silent install, and an update that keeps the choice of the last install.
TEST_F(Installer, StartsAtLoginOnlyWhenAsked) {
    ASSERT_EQ(Install(L"/S /AUTOSTART"), std::optional<DWORD>(0));
    EXPECT_EQ(RunValue(), std::optional<std::wstring>(Quoted(InstalledExe())));
    ASSERT_EQ(Install(L"/S"), std::optional<DWORD>(0));
    EXPECT_EQ(RunValue(), std::optional<std::wstring>(Quoted(InstalledExe())));
    ASSERT_EQ(Install(L"/S /NOAUTOSTART"), std::optional<DWORD>(0));
    EXPECT_EQ(RunValue(), std::nullopt);
    ASSERT_TRUE(Uninstall(L"/S"));
}

TEST_F(Installer, TheUninstallerEndsTheRunningProgramLetsItSaveAndKeepsTheButtons) {
    ASSERT_EQ(Install(L"/S /AUTOSTART"), std::optional<DWORD>(0));
    Process p;
    ASSERT_TRUE(p.Start(InstalledExe(), L""));
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::FindWindowOf(p.Id(), nullptr, L"Brisalt"); }));
    ASSERT_EQ(e2e::StoredInt(L"Watch", L"Show"), std::nullopt);

    ASSERT_TRUE(Uninstall(L"/S"));
    EXPECT_EQ(p.WaitForExit(), std::optional<DWORD>(0)) << "ended, not killed";
    EXPECT_EQ(e2e::StoredInt(L"Watch", L"Show"), std::optional<DWORD>(0)) << "its state written";
    EXPECT_FALSE(Exists(InstalledExe()));
    EXPECT_FALSE(Exists(InstallDir()));
    EXPECT_FALSE(Exists(Shortcut()));
    EXPECT_EQ(RunValue(), std::nullopt);
}

// The pages, with a real user's clicks; the screenshots are kept for a person to look at.
TEST_F(Installer, ThePagesAskInJapaneseAndTheUninstallerAsksAboutTheButtons) {
    Process setup;
    ASSERT_TRUE(setup.Start(e2e::WindowsPath(e2e::Variable(L"BRISALTO_SETUP")), L""));
    HWND wizard = WaitForDialog(kSetupCaption);
    ASSERT_NE(wizard, nullptr);
    std::this_thread::sleep_for(1s);
    e2e::Screenshot("installer-1-welcome");

    e2e::ClickItem(wizard, IDOK);
    ASSERT_TRUE(e2e::WaitUntil([&] { return FindControl(wizard, InstallDir()) != nullptr; }))
        << "no folder page with the user's own programs folder";
    e2e::Screenshot("installer-2-folder");

    e2e::ClickItem(wizard, IDOK);
    HWND box = nullptr;
    ASSERT_TRUE(e2e::WaitUntil(
        [&] { return (box = FindControl(wizard, L"Windowsの起動時に実行する")) != nullptr; }));
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    ClickCentre(box);
    ASSERT_TRUE(
        e2e::WaitUntil([&] { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    e2e::Screenshot("installer-3-options");

    e2e::ClickItem(wizard, IDOK);
    ASSERT_TRUE(e2e::WaitUntil([] { return UserKeyExists(kUninstallKey); }, 60s));
    std::this_thread::sleep_for(2s);
    e2e::Screenshot("installer-4-finish");
    // Finish, with "run Brisalto" left ticked.
    e2e::ClickItem(wizard, IDOK);
    EXPECT_EQ(setup.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(RunValue(), std::optional<std::wstring>(Quoted(InstalledExe())));
    ASSERT_TRUE(e2e::WaitUntil([] { return e2e::FindWindowOf(0, nullptr, L"Brisalt"); }));

    Process uninstaller;
    ASSERT_TRUE(uninstaller.Start(Uninstaller(), L""));
    HWND confirm = WaitForDialog(kUninstallCaption);
    ASSERT_NE(confirm, nullptr);
    std::this_thread::sleep_for(1s);
    e2e::Screenshot("uninstaller-1-confirm");
    e2e::ClickItem(confirm, IDOK);
    HWND question =
        WaitForDialog(kUninstallCaption,
                      L"ボタンと時計の設定を残しますか？\r\n"
                      L"残しておくと、もう一度インストールしたときに元どおりに並びます。");
    ASSERT_NE(question, nullptr);
    e2e::Screenshot("uninstaller-2-keep-settings");
    EXPECT_EQ(e2e::FindWindowOf(0, nullptr, L"Brisalt"), nullptr) << "still running";
    EXPECT_EQ(e2e::StoredInt(L"Watch", L"Show"), std::optional<DWORD>(0));

    // No: the buttons go too.
    e2e::ClickItem(question, IDNO);
    ASSERT_TRUE(e2e::WaitUntil([] { return !UserKeyExists(kUninstallKey); }));
    EXPECT_FALSE(UserKeyExists(L"Software\\Kestrowave"));
    EXPECT_EQ(RunValue(), std::nullopt);
    EXPECT_FALSE(Exists(InstallDir()));
    e2e::ClickItem(confirm, IDOK);  // close
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(confirm); }));
}

}  // namespace
