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

constexpr int kButtonTopmost = 105;  // a button's 常に手前に表示(&T)

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
    // Cut inside a replace that moves the old file aside first (Wine's), only the new one is
    // there, whole, and the next start puts it in place.
    const std::string after = e2e::ReadFile(e2e::ReadFile(ini).empty() ? ini + L".new" : ini);
    ASSERT_GE(after.size(), 2u);
    EXPECT_EQ(after.substr(after.size() - 2), "\r\n");
    EXPECT_EQ(after.rfind("[Button]\r\nNum=dword:3\r\n", 0), 0u) << after;
    for (int n = 1; n <= 3; ++n)
        EXPECT_NE(after.find("[Btn" + std::to_string(n) + "]"), std::string::npos) << after;
    EXPECT_FALSE(e2e::StoreExists()) << "the portable program wrote the registry";
    ASSERT_NO_FATAL_FAILURE(Start(3));
    EXPECT_EQ(e2e::ReadFile(ini), after);
}

}  // namespace
