#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "tests/e2e/Driver.h"

namespace {

using namespace std::chrono_literals;

constexpr int kPath = 1008;           // the settings dialog's path edit
constexpr int kButtonTopmost = 105;   // a button's 常に手前に表示(&T)
constexpr int kFileNameCombo = 1148;  // the common choosers' file name
constexpr int kFileNameEdit = 1152;

bool AppKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Kestrowave\\Vopdrant", 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

std::wstring TempFolder(const wchar_t* name) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::filesystem::path folder = std::filesystem::path(temp) / name;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directories(folder);
    return folder.wstring() + L"\\";
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream(std::filesystem::path(path), std::ios::binary | std::ios::trunc) << bytes;
}

// The program as the zip unpacks: Brisalto.exe with a settings file beside it, in a folder of
// their own, on a store that holds nothing of ours.
class Portable : public testing::Test {
  protected:
    void SetUp() override {
        e2e::ClearStore();
        folder = TempFolder(L"brisalto-portable");
        exe = folder + L"Brisalto.exe";
        ini = folder + L"Brisalto.ini";
        const std::wstring built = e2e::WindowsPath(e2e::Variable(L"BRISALTO_EXE"));
        ASSERT_TRUE(CopyFileW(built.c_str(), exe.c_str(), FALSE));
    }
    void TearDown() override {
        if (program && program->Running()) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            program->WaitForExit(10s);
        }
    }
    void Start(std::size_t buttons) {
        program = std::make_unique<e2e::Process>();
        ASSERT_TRUE(program->Start(exe, L""));
        ASSERT_TRUE(e2e::WaitUntil([&] {
            main = e2e::FindWindowOf(program->Id(), nullptr, L"Brisalt");
            return main != nullptr && e2e::ButtonWindows(program->Id()).size() == buttons;
        })) << "no "
            << buttons << " buttons";
        ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TrayIconPoint(icon); }));
    }

    std::wstring folder, exe, ini;
    std::unique_ptr<e2e::Process> program;
    HWND main = nullptr;
    POINT icon{};
};

TEST_F(Portable, TheUnpackedZipKeepsAnAddedButtonInItsFileAndNothingInTheRegistry) {
    WriteBytes(ini, "");
    ASSERT_NO_FATAL_FAILURE(Start(0));
    ASSERT_TRUE(e2e::ChooseFromTrayMenu(icon, "b"));
    HWND settings = e2e::WaitForDialog(program->Id(), L"設定");
    ASSERT_NE(settings, nullptr);
    SetDlgItemTextW(settings, kPath, L"C:\\windows\\notepad.exe");
    PostMessageW(settings, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::ButtonWindows(program->Id()).size() == 1; }));
    EXPECT_TRUE(e2e::WaitUntil(
        [&] { return e2e::ReadFile(ini).find("Num=dword:1\r\n") != std::string::npos; }, 5s));
    const std::string text = e2e::ReadFile(ini);
    EXPECT_NE(text.find("[Btn1]\r\nTitle=\"\"\r\nAppName=\"C:\\windows\\notepad.exe\"\r\n"),
              std::string::npos)
        << text;
    EXPECT_FALSE(AppKeyExists()) << "the portable program wrote the registry";
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program->WaitForExit(10s).has_value());
    EXPECT_FALSE(AppKeyExists());
}

TEST_F(Portable, AHardKillAmidAHundredQuickChangesLeavesAFileThatReadsWhole) {
    std::string text = "[Button]\r\nNum=dword:3\r\n";
    for (int n = 1; n <= 3; ++n) {
        text += "[Btn" + std::to_string(n) +
                "]\r\nAppName=\"C:\\windows\\notepad.exe\"\r\nData=\"0,0," +
                std::to_string(n * 60) + ",100,0,0\"\r\n";
    }
    WriteBytes(ini, text);
    ASSERT_NO_FATAL_FAILURE(Start(3));
    HWND button = e2e::ButtonWindows(program->Id())[1];
    for (int i = 0; i < 100; ++i) PostMessageW(button, WM_COMMAND, kButtonTopmost, 0);
    std::this_thread::sleep_for(100ms);
    program->Kill();
    ASSERT_FALSE(program->Running());
    const std::string after = e2e::ReadFile(ini);
    ASSERT_GE(after.size(), 2u);
    EXPECT_EQ(after.substr(after.size() - 2), "\r\n");
    EXPECT_EQ(after.rfind("[Button]\r\nNum=dword:3\r\n", 0), 0u) << after;
    for (int n = 1; n <= 3; ++n)
        EXPECT_NE(after.find("[Btn" + std::to_string(n) + "]"), std::string::npos) << after;
    ASSERT_NO_FATAL_FAILURE(Start(3));
}

// Chooses `path` in the common chooser the program has open.
void ChooseFile(DWORD pid, const std::wstring& path) {
    HWND chooser = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        chooser = e2e::FindWindowOf(pid, L"#32770", nullptr);
        return chooser != nullptr && IsWindowVisible(chooser);
    })) << "no chooser";
    SetDlgItemTextW(chooser, kFileNameCombo, path.c_str());
    SetDlgItemTextW(chooser, kFileNameEdit, path.c_str());
    PostMessageW(chooser, WM_COMMAND, IDOK, 0);
}

// Export on one store, import on an empty one: the same buttons at the same places.
TEST_F(Portable, AnExportImportedOnAnEmptyStoreShowsTheSameButtons) {
    e2e::StoreButtons({{L"C:\\windows\\notepad.exe", L"0,0,100,200,0,0"},
                       {L"C:\\windows\\regedit.exe", L"0,0,200,200,0,0"}});
    exe = e2e::WindowsPath(e2e::Variable(L"BRISALTO_EXE"));  // the registry's program
    const std::wstring file = folder + L"moved.ini";
    ASSERT_NO_FATAL_FAILURE(Start(2));
    ASSERT_TRUE(e2e::ChooseFromTrayMenu(icon, "e"));
    ChooseFile(program->Id(), file);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !e2e::ReadFile(file).empty(); }, 10s));
    EXPECT_NE(e2e::ReadFile(file).find("AppName=\"%SystemRoot%\\regedit.exe\""), std::string::npos)
        << e2e::ReadFile(file);
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program->WaitForExit(10s).has_value());

    e2e::ClearStore();
    ASSERT_NO_FATAL_FAILURE(Start(0));
    ASSERT_TRUE(e2e::ChooseFromTrayMenu(icon, "i"));
    ChooseFile(program->Id(), file);
    HWND box = e2e::WaitForDialog(program->Id(), L"Vopdrant");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(e2e::MessageBoxText(box).find(L" 2 個の"), std::wstring::npos);
    PostMessageW(box, WM_COMMAND, IDYES, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::ButtonWindows(program->Id()).size() == 2; }));
    std::vector<LONG> lefts;
    for (HWND w : e2e::ButtonWindows(program->Id())) {
        RECT r{};
        GetWindowRect(w, &r);
        lefts.push_back(r.left);
        EXPECT_EQ(r.top, 200);
    }
    EXPECT_EQ(lefts, (std::vector<LONG>{100, 200}));
    std::this_thread::sleep_for(300ms);
    std::printf("screenshot: %s\n", e2e::Screenshot("imported-buttons").c_str());
    EXPECT_EQ(e2e::StoredString(L"Btn2", L"AppName"),
              std::optional<std::wstring>(L"%SystemRoot%\\regedit.exe"));
}

}  // namespace
