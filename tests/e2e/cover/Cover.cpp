// Another program's window for the end-to-end tests: "full" shows a borderless black window over
// the whole screen, "maximised" a maximised window with a caption; either comes to the
// foreground and stays until it is closed.
#include <windows.h>

#include <string>

namespace {

LRESULT CALLBACK CoverProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const std::wstring mode = commandLine;
    WNDCLASSW wc{};
    wc.lpfnWndProc = CoverProc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = L"BrisaltoCover";
    if (!RegisterClassW(&wc)) return 1;
    HWND hwnd = nullptr;
    if (mode == L"full") {
        hwnd = CreateWindowExW(0, wc.lpszClassName, L"cover", WS_POPUP, 0, 0,
                               GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                               nullptr, nullptr, instance, nullptr);
        ShowWindow(hwnd, SW_SHOW);
    } else if (mode == L"maximised") {
        hwnd = CreateWindowExW(0, wc.lpszClassName, L"cover", WS_OVERLAPPEDWINDOW, 100, 100, 300,
                               200, nullptr, nullptr, instance, nullptr);
        ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    }
    if (hwnd == nullptr) return 1;
    SetForegroundWindow(hwnd);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
