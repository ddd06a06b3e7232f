// Another program's window for the end-to-end tests: "full" shows a borderless black window over
// the whole of a monitor, "maximised" a maximised window with a caption; either comes to the
// foreground and stays until it is closed. Further words:
//   at=X     on the monitor that holds the point (X, 0) instead of the primary one
//   end=MS   the process ends by itself after MS milliseconds, its window never closed
#include <windows.h>

#include <cwchar>
#include <sstream>
#include <string>

namespace {

LRESULT CALLBACK CoverProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    if (msg == WM_TIMER) ExitProcess(0);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    std::wistringstream words(commandLine);
    std::wstring mode, word;
    words >> mode;
    POINT at{0, 0};
    UINT endAfter = 0;
    while (words >> word) {
        if (word.rfind(L"at=", 0) == 0)
            at.x = static_cast<LONG>(std::wcstol(&word[3], nullptr, 10));
        if (word.rfind(L"end=", 0) == 0)
            endAfter = static_cast<UINT>(std::wcstoul(&word[4], nullptr, 10));
    }
    WNDCLASSW wc{};
    wc.lpfnWndProc = CoverProc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = L"BrisaltoCover";
    if (!RegisterClassW(&wc)) return 1;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(at, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& m = monitor.rcMonitor;
    HWND hwnd = nullptr;
    if (mode == L"full") {
        hwnd = CreateWindowExW(0, wc.lpszClassName, L"cover", WS_POPUP, m.left, m.top,
                               m.right - m.left, m.bottom - m.top, nullptr, nullptr, instance,
                               nullptr);
        ShowWindow(hwnd, SW_SHOW);
    } else if (mode == L"maximised") {
        hwnd = CreateWindowExW(0, wc.lpszClassName, L"cover", WS_OVERLAPPEDWINDOW, m.left + 100,
                               m.top + 100, 300, 200, nullptr, nullptr, instance, nullptr);
        ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    }
    if (hwnd == nullptr) return 1;
    SetForegroundWindow(hwnd);
    if (endAfter > 0) SetTimer(hwnd, 1, endAfter, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
