#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/Driver.h"

namespace {

using namespace std::chrono_literals;
using e2e::Process;

bool Topmost(HWND w) { return (GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

DWORD ProcessOf(HWND w) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return pid;
}

// Another program's window, started as a user would start it.
class Cover {
  public:
    explicit Cover(const wchar_t* mode) {
        const std::wstring exe = e2e::WindowsPath(e2e::Variable(L"BRISALTO_COVER"));
        std::wstring commandLine = L"\"" + exe + L"\" " + mode;
        STARTUPINFOW si{};
        si.cb = sizeof si;
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &si, &m_info)) {
            return;
        }
        e2e::WaitUntil([&] {
            m_window = e2e::FindWindowOf(m_info.dwProcessId, L"BrisaltoCover", nullptr);
            return m_window != nullptr && GetForegroundWindow() == m_window;
        });
    }
    ~Cover() {
        Close();
        CloseHandle(m_info.hThread);
        CloseHandle(m_info.hProcess);
    }
    HWND Window() const { return m_window; }
    void Close() {
        if (m_info.hProcess == nullptr) return;
        if (m_window != nullptr) PostMessageW(m_window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(m_info.hProcess, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(m_info.hProcess, 1);
        }
        m_window = nullptr;
    }

  private:
    PROCESS_INFORMATION m_info{};
    HWND m_window = nullptr;
};

// Two buttons and the clock, all set to stay on top.
class FullScreen : public testing::Test {
  protected:
    void SetUp() override {
        e2e::StoreButtons({{L"C:\\windows\\notepad.exe", L"0,0,100,200,0,0"},
                           {L"C:\\windows\\notepad.exe", L"0,0,200,200,0,0"}});
        e2e::PutInt(L"Btn1", L"Option", 1);
        e2e::PutInt(L"Btn2", L"Option", 1);
        e2e::PutInt(L"Watch", L"Show", 1);
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(e2e::WaitUntil([&] {
            main = e2e::FindWindowOf(program.Id(), nullptr, L"Brisalt");
            clock = e2e::FindWindowOf(program.Id(), nullptr, L"Brisalto");
            return main != nullptr && clock != nullptr &&
                   e2e::ButtonWindows(program.Id()).size() == 2;
        })) << "the buttons and the clock did not appear";
        ours = e2e::ButtonWindows(program.Id());
        ours.push_back(clock);
        // The user was last at the clock.
        RECT r{};
        GetWindowRect(clock, &r);
        e2e::Click((r.left + r.right) / 2, (r.top + r.bottom) / 2, 1);
        ASSERT_TRUE(
            e2e::WaitUntil([&] { return ProcessOf(GetForegroundWindow()) == program.Id(); }));
    }
    void TearDown() override {
        if (program.Running()) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            program.WaitForExit(10s);
        }
    }
    bool AllTopmost() {
        for (HWND w : ours) {
            if (!Topmost(w)) return false;
        }
        return true;
    }
    // Our shown windows that lie above `w` in the z-order.
    int OursAbove(HWND w) {
        int n = 0;
        for (HWND above = GetWindow(w, GW_HWNDPREV); above != nullptr;
             above = GetWindow(above, GW_HWNDPREV)) {
            if (ProcessOf(above) == program.Id() && IsWindowVisible(above)) ++n;
        }
        return n;
    }

    Process program;
    HWND main = nullptr;
    HWND clock = nullptr;
    std::vector<HWND> ours;
};

TEST_F(FullScreen, AProgramOverTheWholeScreenHasNoneOfOursAboveItUntilItCloses) {
    {
        Cover cover(L"full");
        ASSERT_NE(cover.Window(), nullptr) << "the covering window did not come to the front";
        EXPECT_TRUE(e2e::WaitUntil([&] { return OursAbove(cover.Window()) == 0; }, 1s))
            << OursAbove(cover.Window()) << " of ours still above it";
        for (HWND w : ours) EXPECT_TRUE(IsWindowVisible(w)) << "stepping aside hides nothing";
        e2e::Screenshot("fullscreen-covered");
        cover.Close();
    }
    EXPECT_TRUE(e2e::WaitUntil([&] { return AllTopmost(); }, 5s)) << "not all back on top";
    e2e::Screenshot("fullscreen-closed");

    {
        Cover cover(L"maximised");
        ASSERT_NE(cover.Window(), nullptr);
        std::this_thread::sleep_for(1s);
        EXPECT_TRUE(AllTopmost()) << "a maximised window is not full screen";
        EXPECT_EQ(OursAbove(cover.Window()), 3);
        e2e::Screenshot("fullscreen-maximised");
    }

    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit(10s).has_value());
    EXPECT_EQ(e2e::StoredInt(L"Btn1", L"Option"), std::optional<DWORD>(1));
    EXPECT_EQ(e2e::StoredInt(L"Btn2", L"Option"), std::optional<DWORD>(1));
    EXPECT_EQ(e2e::StoredInt(L"Watch", L"TopMost"), std::optional<DWORD>(1));
}

}  // namespace
