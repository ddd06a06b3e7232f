// The portable zip as a user meets it: unpacked into C:\Brisalto of a Wine prefix that has never
// seen Brisalto (tests/install/run.sh makes the prefix and unpacks the zip). The buttons made
// there travel in an export to a second fresh prefix, the other PC, and come back by the import.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/Driver.h"

// For comparing lists of places; the window system's POINT has none of its own.
inline bool operator==(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

namespace {

using namespace std::chrono_literals;

constexpr wchar_t kUnpacked[] = L"C:\\Brisalto\\";
constexpr int kPath = 1008;           // the settings dialog's path edit
constexpr int kFileNameCombo = 1148;  // the common choosers' file name
constexpr int kFileNameEdit = 1152;

// The file the export of the first PC leaves for the second.
std::wstring Transfer() { return e2e::WindowsPath(e2e::Variable(L"BRISALTO_TRANSFER")); }

// The window system lists windows in z-order, the file in list order: both are compared sorted.
std::vector<POINT> Sorted(std::vector<POINT> places) {
    std::sort(places.begin(), places.end(),
              [](POINT a, POINT b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    return places;
}

// Every "x,y" of the buttons' "Data" values in a settings file, sorted, as PlacesOf gives them.
std::vector<POINT> PlacesIn(const std::string& text) {
    std::vector<POINT> places;
    for (std::size_t at = text.find("Data=\""); at != std::string::npos;
         at = text.find("Data=\"", at + 1)) {
        int show = 0, index = 0;
        POINT p{};
        if (std::sscanf(text.c_str() + at, "Data=\"%d,%d,%ld,%ld", &show, &index, &p.x, &p.y) ==
            4) {
            places.push_back(p);
        }
    }
    return Sorted(places);
}

std::vector<POINT> PlacesOf(const std::vector<HWND>& buttons) {
    std::vector<POINT> places;
    for (HWND w : buttons) {
        RECT r{};
        GetWindowRect(w, &r);
        places.push_back({r.left, r.top});
    }
    return Sorted(places);
}

class UnpackedZip : public testing::Test {
  protected:
    void TearDown() override {
        if (program && program->Running()) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            program->WaitForExit(10s);
        }
    }
    void Start(std::size_t buttons) {
        program = std::make_unique<e2e::Process>();
        ASSERT_TRUE(program->Start(exe, L""));
        ASSERT_TRUE(e2e::WaitUntil(
            [&] {
                main = e2e::FindWindowOf(program->Id(), nullptr, L"Brisalt");
                return main != nullptr && e2e::ButtonWindows(program->Id()).size() == buttons;
            },
            60s))
            << "no " << buttons << " buttons";
        ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TrayIconPoint(icon); }, 30s));
    }
    void AddButton(const wchar_t* path, std::size_t count) {
        ASSERT_TRUE(e2e::ChooseFromTrayMenu(icon, "b"));
        HWND settings = e2e::WaitForDialog(program->Id(), L"設定");
        ASSERT_NE(settings, nullptr);
        SetDlgItemTextW(settings, kPath, path);
        PostMessageW(settings, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(e2e::WaitUntil([&] {
            return e2e::ButtonWindows(program->Id()).size() == count;
        })) << "button "
            << count << " did not come";
    }
    // Chooses `path` in the common chooser the program has open.
    void ChooseFile(const std::wstring& path) {
        HWND chooser = nullptr;
        ASSERT_TRUE(e2e::WaitUntil([&] {
            chooser = e2e::FindWindowOf(program->Id(), L"#32770", nullptr);
            return chooser != nullptr && IsWindowVisible(chooser);
        })) << "no chooser";
        SetDlgItemTextW(chooser, kFileNameCombo, path.c_str());
        SetDlgItemTextW(chooser, kFileNameEdit, path.c_str());
        PostMessageW(chooser, WM_COMMAND, IDOK, 0);
    }
    void Close() {
        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(program->WaitForExit(10s).has_value());
    }

    const std::wstring exe = std::wstring(kUnpacked) + L"Brisalto.exe";
    const std::wstring ini = std::wstring(kUnpacked) + L"Brisalto.ini";
    std::unique_ptr<e2e::Process> program;
    HWND main = nullptr;
    POINT icon{};
};

// The first PC: the zip starts portable, keeps what is added in its file and nothing in the
// registry, and exports it for the next PC.
TEST_F(UnpackedZip, StartsPortableKeepsAddedButtonsInItsFileAndExportsThem) {
    ASSERT_NE(GetFileAttributesW(ini.c_str()), INVALID_FILE_ATTRIBUTES)
        << "the zip has no settings file";
    ASSERT_EQ(e2e::ReadFile(ini), "") << "the zip's settings file is not empty";
    ASSERT_FALSE(e2e::StoreExists()) << "the prefix is not fresh";
    ASSERT_NO_FATAL_FAILURE(Start(0));
    ASSERT_NO_FATAL_FAILURE(AddButton(L"C:\\windows\\notepad.exe", 1));
    ASSERT_NO_FATAL_FAILURE(AddButton(L"C:\\windows\\regedit.exe", 2));
    // The new one stands where the first did; the end of a drag puts it elsewhere.
    HWND second = e2e::ButtonWindows(program->Id()).front();
    SetWindowPos(second, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(second, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_TRUE(e2e::WaitUntil(
        [&] { return e2e::ReadFile(ini).find(",300,200,") != std::string::npos; }, 5s));
    const std::string text = e2e::ReadFile(ini);
    EXPECT_NE(text.find("Num=dword:2\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[Btn1]\r\nTitle=\"\"\r\nAppName=\"C:\\windows\\notepad.exe\"\r\n"),
              std::string::npos)
        << text;
    EXPECT_FALSE(e2e::StoreExists()) << "the portable program wrote the registry";

    DeleteFileW(Transfer().c_str());
    ASSERT_TRUE(e2e::ChooseFromTrayMenu(icon, "e"));
    ChooseFile(Transfer());
    ASSERT_TRUE(e2e::WaitUntil([&] { return !e2e::ReadFile(Transfer()).empty(); }, 10s));
    const std::string exported = e2e::ReadFile(Transfer());
    EXPECT_NE(exported.find("AppName=\"%SystemRoot%\\regedit.exe\""), std::string::npos)
        << exported;
    EXPECT_EQ(PlacesIn(exported), PlacesOf(e2e::ButtonWindows(program->Id())));
    Close();
    EXPECT_FALSE(e2e::StoreExists());
}

// The second PC, a prefix as fresh as the first: the import shows the first PC's buttons where
// they stood there.
TEST_F(UnpackedZip, OnAnotherPcTheImportShowsTheExportedButtons) {
    const std::string exported = e2e::ReadFile(Transfer());
    ASSERT_EQ(PlacesIn(exported).size(), 2u) << "no export from the first prefix: " << exported;
    ASSERT_FALSE(e2e::StoreExists()) << "the prefix is not fresh";
    ASSERT_NO_FATAL_FAILURE(Start(0));
    ASSERT_TRUE(e2e::ChooseFromTrayMenu(icon, "i"));
    ChooseFile(Transfer());
    HWND box = e2e::WaitForDialog(program->Id(), L"Vopdrant");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(e2e::MessageBoxText(box).find(L" 2 個の"), std::wstring::npos);
    PostMessageW(box, WM_COMMAND, IDYES, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::ButtonWindows(program->Id()).size() == 2; }));
    EXPECT_EQ(PlacesOf(e2e::ButtonWindows(program->Id())), PlacesIn(exported));
    std::this_thread::sleep_for(300ms);
    std::printf("screenshot: %s\n", e2e::Screenshot("imported-on-another-pc").c_str());
    EXPECT_TRUE(e2e::WaitUntil([&] {
        return e2e::ReadFile(ini).find("AppName=\"%SystemRoot%\\regedit.exe\"") !=
               std::string::npos;
    }));
    Close();
    EXPECT_FALSE(e2e::StoreExists());
}

}  // namespace
