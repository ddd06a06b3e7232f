// The floor for the button benchmark: N plain popup windows, each drawing one 32 x 32 icon.
#include <windows.h>

#include <cstdlib>

namespace {

HICON g_icon = nullptr;

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        DrawIconEx(dc, 1, 1, g_icon, 32, 32, 0, nullptr, DI_NORMAL);
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (msg == WM_CLOSE) PostQuitMessage(0);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const int count = _wtoi(commandLine);
    g_icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.lpszClassName = L"BenchFloor";
    RegisterClassW(&wc);
    HWND owner = CreateWindowExW(WS_EX_TOOLWINDOW, L"BenchFloor", L"BenchFloorOwner", WS_CAPTION, 0,
                                 0, 100, 100, nullptr, nullptr, instance, nullptr);
    for (int i = 0; i < count; ++i) {
        CreateWindowExW(0, L"BenchFloor", L"", WS_POPUP | WS_VISIBLE, (i % 28) * 36,
                        (i / 28 % 20) * 36, 35, 35, owner, nullptr, instance, nullptr);
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
