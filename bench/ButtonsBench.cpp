// How fast N stored buttons appear, and what each costs, against a floor of N plain popups
// that draw one icon each, measured in the same run. Prints ratios; asserts nothing.
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "tests/e2e/Driver.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double seconds = 0;
    DWORD gdi = 0, user = 0;
    int windows = 0;  // top-level and child windows of the process: USER objects Wine can count
    double privateMb = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

struct WindowCount {
    DWORD pid;
    int count;
};

BOOL CALLBACK CountTopLevel(HWND w, LPARAM param) {
    auto* c = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner != c->pid) return TRUE;
    ++c->count;
    EnumChildWindows(w, CountChild, reinterpret_cast<LPARAM>(&c->count));
    return TRUE;
}

int WindowsOf(DWORD pid) {
    WindowCount c{pid, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&c));
    return c.count;
}

// Visible popups of the process, without the tip windows.
int VisiblePopups(DWORD pid, const wchar_t* className) {
    int n = 0;
    HWND w = nullptr;
    while ((w = FindWindowExW(nullptr, w, className, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid && IsWindowVisible(w)) ++n;
    }
    return n;
}

Figures MeasureOnce(const std::wstring& exe, const std::wstring& arguments,
                    const wchar_t* className, int count, const wchar_t* ownerCaption) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring line = L"\"" + exe + L"\" " + arguments;
    const auto start = Clock::now();
    if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi)) {
        return {};
    }
    Figures f;
    e2e::WaitUntil(
        [&] {
            return VisiblePopups(pi.dwProcessId, className) >= count &&
                   e2e::FindWindowOf(pi.dwProcessId, nullptr, ownerCaption) != nullptr;
        },
        std::chrono::minutes(5));
    f.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    f.gdi = GetGuiResources(pi.hProcess, GR_GDIOBJECTS);
    f.user = GetGuiResources(pi.hProcess, GR_USEROBJECTS);
    f.windows = WindowsOf(pi.dwProcessId);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    GetProcessMemoryInfo(pi.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    // Wine may leave the private count at 0; the working set is the next best figure.
    const SIZE_T bytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.WorkingSetSize;
    f.privateMb = static_cast<double>(bytes) / (1024.0 * 1024.0);
    if (HWND main = e2e::FindWindowOf(pi.dwProcessId, nullptr, ownerCaption))
        PostMessageW(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return f;
}

// The best of three runs (one for the largest N): Wine's timings wander with whatever else the
// machine does.
Figures Measure(const std::wstring& exe, const std::wstring& arguments, const wchar_t* className,
                int count, const wchar_t* ownerCaption) {
    Figures best;
    const int runs = count >= 1000 ? 1 : 3;
    for (int run = 0; run < runs; ++run) {
        const Figures f = MeasureOnce(exe, arguments, className, count, ownerCaption);
        if (run == 0 || f.seconds < best.seconds) best = f;
    }
    return best;
}

void StoreButtons(int count, const std::wstring& appName) {
    e2e::ClearStore();
    e2e::PutInt(L"Button", L"Num", static_cast<DWORD>(count));
    for (int i = 1; i <= count; ++i) {
        const std::wstring section = L"Btn" + std::to_wstring(i);
        const int x = ((i - 1) % 28) * 36, y = ((i - 1) / 28 % 20) * 36;
        e2e::PutString(section.c_str(), L"AppName", appName);
        e2e::PutString(section.c_str(), L"Data",
                       L"0,0," + std::to_wstring(x) + L"," + std::to_wstring(y) + L",0,0");
    }
}

}  // namespace

int main() {
    const std::wstring program = e2e::WindowsPath(e2e::Variable(L"BRISALTO_EXE"));
    const std::wstring floor = e2e::WindowsPath(e2e::Variable(L"BRISALTO_FLOOR"));
    const std::wstring entry = L"C:\\windows\\notepad.exe";
    std::printf("%6s %9s %9s %7s %8s %9s %9s %9s %10s\n", "N", "start s", "floor s", "ratio",
                "GDI/btn", "USER/btn", "wnd/btn", "MB/btn", "floor MB");
    StoreButtons(0, entry);
    const Figures base = Measure(program, L"", L"#32770", 0, L"Brisalt");
    const Figures floorBase = Measure(floor, L"0", L"BenchFloor", 0, L"BenchFloorOwner");
    const std::wstring only = e2e::Variable(L"BENCH_N");
    for (int n : {10, 100, 1000}) {
        if (!only.empty() && std::to_wstring(n) != only) continue;
        StoreButtons(n, entry);
        const Figures ours = Measure(program, L"", L"#32770", n, L"Brisalt");
        const Figures theirs =
            Measure(floor, std::to_wstring(n), L"BenchFloor", n, L"BenchFloorOwner");
        std::printf("%6d %9.2f %9.2f %7.2f %8.2f %9.2f %9.2f %9.4f %10.4f\n", n, ours.seconds,
                    theirs.seconds, ours.seconds / theirs.seconds,
                    (static_cast<double>(ours.gdi) - base.gdi) / n,
                    (static_cast<double>(ours.user) - base.user) / n,
                    static_cast<double>(ours.windows - base.windows) / n,
                    (ours.privateMb - base.privateMb) / n,
                    (theirs.privateMb - floorBase.privateMb) / n);
        std::fflush(stdout);
    }
    e2e::ClearStore();
    return 0;
}
