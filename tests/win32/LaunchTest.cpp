#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "RealFiles.h"
#include "button/AppStart.h"
#include "platform/win32/Utf.h"
#include "platform/win32/Win32Platform.h"
#include "tests/e2e/Driver.h"

namespace {

using win32::Narrow;
using win32::Widen;

std::string Quote(const std::string& text) {
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

// What the recorder wrote: its command line, working directory and show command.
using Record = std::map<std::string, std::string>;

// Closes every box captioned "Vopdrant" as the user would, and keeps its text, so that a start
// that fails where it should not shows up as a failure instead of a box waiting for ever.
class BoxCloser {
  public:
    BoxCloser()
        : m_thread([this] {
              while (!m_stop) {
                  if (HWND box = FindWindowW(L"#32770", L"Vopdrant")) {
                      const std::string text = Narrow(e2e::MessageBoxText(box));
                      SendMessageW(box, WM_COMMAND, IDOK, 0);
                      std::lock_guard lock(m_mutex);
                      m_texts.push_back(text);
                  }
                  Sleep(50);
              }
          }) {}
    ~BoxCloser() {
        m_stop = true;
        m_thread.join();
    }
    std::vector<std::string> Texts() {
        std::lock_guard lock(m_mutex);
        return m_texts;
    }
    void Clear() {
        std::lock_guard lock(m_mutex);
        m_texts.clear();
    }

  private:
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<std::string> m_texts;
    std::thread m_thread;
};

class RealStart : public testing::Test {
  protected:
    void SetUp() override {
        recordPath = scratch.Path() + L"record.txt";
        SetEnvironmentVariableW(L"BRISALTO_RECORD", recordPath.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"BRISALTO_RECORD", nullptr);
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{}) << "a start failed";
    }

    std::wstring Recorder(const std::wstring& relative) {
        return scratch.Copy(real::BuildDir() + L"recorder.exe", relative);
    }
    // The record of the one start, once the recorder has written it.
    Record WaitForRecord() {
        Record record;
        if (!e2e::WaitUntil(
                [&] { return GetFileAttributesW(recordPath.c_str()) != INVALID_FILE_ATTRIBUTES; },
                std::chrono::seconds(20))) {
            return record;
        }
        std::ifstream in(std::filesystem::path(recordPath), std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            const auto eq = line.find('=');
            if (eq != std::string::npos) record[line.substr(0, eq)] = line.substr(eq + 1);
        }
        return record;
    }
    static std::string WithoutSlash(std::string dir) {
        if (dir.size() > 3 && dir.back() == '\\') dir.pop_back();
        return dir;
    }

    BoxCloser boxes;
    real::Scratch scratch;
    std::wstring recordPath;
    win32::Win32Platform platform;
    CAppStart start{platform};
};

struct ProgramCase {
    const wchar_t* folder;  // where the recorder lies, below the scratch folder
    const char* dir;        // the entry's start directory, below the scratch folder; none if null
    const char* parm;
    int showMode;
    int show;  // what the started program is told
};
class RealProgram : public RealStart, public testing::WithParamInterface<ProgramCase> {};

TEST_P(RealProgram, StartsWithItsDirectoryParametersAndShowCommand) {
    const ProgramCase& c = GetParam();
    const std::string appName = Narrow(Recorder(std::wstring(c.folder) + L"\\rec.exe"));
    const std::string base = Narrow(scratch.Path());
    std::string dir;
    if (c.dir != nullptr) dir = Narrow(scratch.Folder(Widen(c.dir)));
    start.SetApp({}, appName, dir, c.parm, c.showMode);
    start.Start();
    const Record record = WaitForRecord();
    ASSERT_FALSE(record.empty()) << "the recorder did not start";
    for (const auto& [key, value] : record) RecordProperty(key, value);
    EXPECT_EQ(record.at("command"), *c.parm ? Quote(appName) + " " + c.parm : Quote(appName));
    const std::string folder = appName.substr(0, appName.rfind('\\') + 1);
    EXPECT_EQ(record.at("directory"), WithoutSlash(dir.empty() ? folder : dir));
    EXPECT_EQ(record.at("show"), std::to_string(c.show));
}

INSTANTIATE_TEST_SUITE_P(Entries, RealProgram,
                         testing::Values(ProgramCase{L"tools", "work dir", "-n \"a b\"", 2, 3},
                                         ProgramCase{L"ツール Ωμέγα Ёж", nullptr, "ファイル.txt -ü",
                                                     1, 2},
                                         ProgramCase{L"plain", "起動", "", 7, 5}),
                         [](const testing::TestParamInfo<ProgramCase>& info) {
                             return std::string(info.index == 0   ? "GivenDirectory"
                                                : info.index == 1 ? "OwnFolder"
                                                                  : "NoParameters");
                         });

TEST_F(RealStart, DroppedFileReachesTheProgramBetweenQuotesWithoutItsParameters) {
    const std::string appName = Narrow(Recorder(L"rec.exe"));
    start.SetApp({}, appName, "", "-n", 0);
    start.StartWithFile("C:\\My Files\\a.txt");
    const Record record = WaitForRecord();
    ASSERT_FALSE(record.empty()) << "the recorder did not start";
    for (const auto& [key, value] : record) RecordProperty(key, value);
    EXPECT_EQ(record.at("command"), Quote(appName) + " \"C:\\My Files\\a.txt\"");
}

// Wine grants every elevation; what matters here is that the verb reaches a shell that knows it.
TEST_F(RealStart, AsAdministratorTheProgramStartsWithItsParameters) {
    const std::string appName = Narrow(Recorder(L"rec.exe"));
    start.SetApp({}, appName, "", "-n", 0);
    start.Start(Rights::kAdministrator);
    const Record record = WaitForRecord();
    ASSERT_FALSE(record.empty()) << "the recorder did not start";
    EXPECT_EQ(record.at("command"), Quote(appName) + " -n");
}

TEST_F(RealStart, DroppedFilePastTheOldPathLimitArrivesWhole) {
    const std::string appName = Narrow(Recorder(L"rec.exe"));
    const std::string file =
        Narrow(scratch.Folder(real::LongFolderBelow(scratch.Path()))) + "長い.txt";
    ASSERT_GT(file.size(), 260u);
    start.SetApp({}, appName, "", "", 0);
    start.StartWithFile(file);
    const Record record = WaitForRecord();
    ASSERT_FALSE(record.empty()) << "the recorder did not start";
    for (const auto& [key, value] : record) RecordProperty(key, value);
    EXPECT_EQ(record.at("command"), Quote(appName) + " " + Quote(file));
}

// A document type of our own, opened by the recorder, for this test's lifetime. Wine's shell
// reads the classes of the machine, not the user's.
class DocumentType {
  public:
    DocumentType(const std::wstring& program) {
        Set(L".brisrec", L"Brisalto.RecordTest");
        Set(L"Brisalto.RecordTest\\shell\\open\\command", L"\"" + program + L"\" \"%1\"");
    }
    ~DocumentType() {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L".brisrec");
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Brisalto.RecordTest");
    }

  private:
    static void Set(const wchar_t* key, const std::wstring& value) {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
};

TEST_F(RealStart, DocumentOpensWithTheProgramOfItsTypeWithoutTheEntrysParameters) {
    const std::wstring program = Recorder(L"opener\\rec.exe");
    DocumentType type(program);
    const std::string document = Narrow(scratch.Folder(L"メモ 帳")) + "今日.brisrec";
    std::ofstream(std::filesystem::path(Widen(document))) << "memo";
    start.SetApp({}, document, "", "-x", 2);
    start.Start();
    const Record record = WaitForRecord();
    ASSERT_FALSE(record.empty()) << "the document did not open";
    for (const auto& [key, value] : record) RecordProperty(key, value);
    EXPECT_EQ(record.at("command"), Quote(Narrow(program)) + " " + Quote(document));
    EXPECT_EQ(record.at("directory"), WithoutSlash(document.substr(0, document.rfind('\\') + 1)));
    EXPECT_EQ(record.at("show"), "3");
}

TEST_F(RealStart, FailedStartSaysSoInABoxThatTheUserCloses) {
    const std::string missing = Narrow(scratch.Path()) + "ない\\missing.exe";
    start.SetApp({}, missing, "", "", 0);
    start.Start();  // returns once the box is closed
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{missing + "の起動に失敗しました。"});
    boxes.Clear();
    EXPECT_EQ(GetFileAttributesW(recordPath.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(RealStart, CommandLineRunsAsWritten) {
    const std::wstring program = Recorder(L"cmd line\\rec.exe");
    win32::Shell shell;
    EXPECT_TRUE(shell.RunCommandLine(Quote(Narrow(program)) + " one,,0 ü", 5).started());
    const Record record = WaitForRecord();
    ASSERT_FALSE(record.empty()) << "the recorder did not start";
    for (const auto& [key, value] : record) RecordProperty(key, value);
    EXPECT_EQ(record.at("command"), Quote(Narrow(program)) + " one,,0 ü");
    EXPECT_EQ(record.at("show"), "5");
    const plat::StartOutcome missing =
        shell.RunCommandLine(Quote(Narrow(scratch.Path()) + "missing.exe"), 5);
    EXPECT_TRUE(missing.failed());
    EXPECT_FALSE(missing.reason.empty()) << "the system says why";
}

// The one rule of what a start came to, against the real shell: a started program, a missing
// file (whatever instance value the shell leaves behind), and a document type nobody opens.
TEST_F(RealStart, TheShellsAnswerIsStartedOrFailedWithTheSystemsReason) {
    win32::Shell shell;
    const std::wstring program = Recorder(L"outcome\\rec.exe");
    EXPECT_TRUE(shell.Execute({}, "", Narrow(program), "", "", 5).started());
    ASSERT_FALSE(WaitForRecord().empty()) << "the recorder did not start";
    const plat::StartOutcome missing =
        shell.Execute({}, "", Narrow(scratch.Path()) + "missing.exe", "", "", 5);
    EXPECT_TRUE(missing.failed());
    EXPECT_FALSE(missing.reason.empty());
}

std::set<DWORD> ProcessesNamed(const wchar_t* name) {
    std::set<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL ok = Process32FirstW(snapshot, &entry); ok; ok = Process32NextW(snapshot, &entry)) {
        if (lstrcmpiW(entry.szExeFile, name) == 0) ids.insert(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return ids;
}

HWND VisibleWindowOf(DWORD pid) {
    struct Search {
        DWORD pid;
        HWND found;
    } search{pid, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner != s->pid || !IsWindowVisible(hwnd)) return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A program named rundll32.exe in the program's own folder and in the current one, as anybody
// who can write there could leave it: the control-panel item still runs the system's.
class PlantedRundll32 {
  public:
    explicit PlantedRundll32(const std::wstring& recorder) {
        m_folder = real::BuildDir() + L"rundll32.exe";
        CopyFileW(recorder.c_str(), m_folder.c_str(), FALSE);
        m_current.resize(GetCurrentDirectoryW(0, nullptr));
        m_current.resize(
            GetCurrentDirectoryW(static_cast<DWORD>(m_current.size()), m_current.data()));
        const std::wstring scratch = recorder.substr(0, recorder.rfind(L'\\'));
        SetCurrentDirectoryW(scratch.c_str());
    }
    ~PlantedRundll32() {
        SetCurrentDirectoryW(m_current.c_str());
        DeleteFileW(m_folder.c_str());
    }

  private:
    std::wstring m_folder;
    std::wstring m_current;
};

TEST_F(RealStart, ControlPanelItemOpensThroughTheSystemsRundll32) {
    const PlantedRundll32 planted(Recorder(L"rundll32.exe"));
    const std::set<DWORD> before = ProcessesNamed(L"rundll32.exe");
    start.SetApp({}, Narrow(real::SystemDir()) + "joy.cpl", "D:\\nowhere", "-p", 2);
    start.Start();
    std::set<DWORD> started;
    HWND applet = nullptr;
    e2e::WaitUntil([&] {
        for (DWORD id : ProcessesNamed(L"rundll32.exe")) {
            if (before.count(id) != 0) continue;
            started.insert(id);
            if (HWND w = VisibleWindowOf(id)) applet = w;
        }
        return applet != nullptr;
    });
    EXPECT_FALSE(started.empty()) << "no rundll32 was started";
    EXPECT_NE(applet, nullptr) << "the control-panel item showed no window";
    if (applet != nullptr) {
        wchar_t caption[256] = {};
        GetWindowTextW(applet, caption, 256);
        RecordProperty("applet", Narrow(caption));
    }
    for (DWORD id : started) {
        if (HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
            TerminateProcess(p, 0);
            WaitForSingleObject(p, 5000);
            CloseHandle(p);
        }
    }
    EXPECT_EQ(GetFileAttributesW(recordPath.c_str()), INVALID_FILE_ATTRIBUTES)
        << "a planted rundll32.exe ran";
}

}  // namespace
