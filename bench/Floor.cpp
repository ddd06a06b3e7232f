#include "bench/Floor.h"

#include <shellapi.h>

#include <chrono>
#include <cwchar>
#include <string>

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            auto icon = reinterpret_cast<HICON>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
            if (icon != nullptr) DrawIconEx(dc, 1, 1, icon, 32, 32, 0, nullptr, DI_NORMAL);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_NCPAINT:
            // The popups have nothing outside their face to draw, as the program's buttons; the
            // default would also set Wine's taskbar looking over every window.
            return 0;
        case WM_NCDESTROY:
            if (auto icon = reinterpret_cast<HICON>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
                DestroyIcon(icon);
            break;
        case WM_CLOSE:
            if (GetWindow(hwnd, GW_OWNER) == nullptr) PostQuitMessage(0);
            break;
        case WM_HOTKEY: {
            // The least a hotkey does: one popup takes the foreground and the focus, and the
            // second press gives the foreground back.
            static HWND previous = nullptr;
            if (previous != nullptr) {
                SetForegroundWindow(previous);
                previous = nullptr;
            } else if (HWND popup = FindWindowExW(nullptr, nullptr, kFloorClass, nullptr)) {
                previous = GetForegroundWindow();
                if (popup == hwnd) popup = FindWindowExW(nullptr, hwnd, kFloorClass, nullptr);
                // Told that another window covers them (lParam 1): the popup in front of it.
                if (lParam == 1) {
                    SetWindowPos(popup, HWND_TOP, 0, 0, 0, 0,
                                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
                }
                SetForegroundWindow(popup);
                SetFocus(popup);
            }
            return 0;
        }
        case WM_KEYDOWN:
            // The least an arrow does: the focus to another popup.
            if (HWND next = FindWindowExW(nullptr, hwnd, kFloorClass, nullptr)) SetFocus(next);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

std::wstring ReadText(HKEY key, const wchar_t* name) {
    wchar_t buffer[1024] = {};
    DWORD size = sizeof buffer - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return {};
    }
    return buffer;
}

}  // namespace

void RegisterFloorClass(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = kFloorClass;
    RegisterClassW(&wc);
}

HWND ShowFloor(HINSTANCE instance, FloorSteps& steps) {
    RegisterFloorClass(instance);
    HWND owner = CreateWindowExW(WS_EX_TOOLWINDOW, kFloorClass, kFloorOwner, WS_CAPTION, 0, 0, 100,
                                 100, nullptr, nullptr, instance, nullptr);

    auto start = Clock::now();
    HKEY app = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Kestrowave\\Vopdrant", 0, KEY_READ, &app);
    DWORD count = 0;
    DWORD size = sizeof count;
    RegGetValueW(app, L"Button", L"Num", RRF_RT_REG_DWORD, nullptr, &count, &size);
    steps.store += Since(start);

    for (DWORD n = 1; n <= count; ++n) {
        start = Clock::now();
        HKEY key = nullptr;
        const std::wstring section = L"Btn" + std::to_wstring(n);
        RegOpenKeyExW(app, section.c_str(), 0, KEY_READ, &key);
        const std::wstring appName = ReadText(key, L"AppName");
        const std::wstring data = ReadText(key, L"Data");
        RegCloseKey(key);
        int showMode = 0, index = 0, x = 0, y = 0;
        swscanf(data.c_str(), L"%d,%d,%d,%d", &showMode, &index, &x, &y);
        steps.store += Since(start);

        start = Clock::now();
        HICON icon = nullptr;
        ExtractIconExW(appName.c_str(), index, &icon, nullptr, 1);
        steps.icon += Since(start);

        start = Clock::now();
        HWND w = CreateWindowExW(0, kFloorClass, L"", WS_POPUP, x, y, 35, 35, owner, nullptr,
                                 instance, nullptr);
        SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(icon));
        steps.window += Since(start);

        start = Clock::now();
        ShowWindow(w, SW_SHOWNOACTIVATE);
        steps.placement += Since(start);
        ++steps.shown;
    }
    RegCloseKey(app);
    return owner;
}

}  // namespace bench
