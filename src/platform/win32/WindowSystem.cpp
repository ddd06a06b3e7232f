#include "platform/win32/WindowSystem.h"

#include <windows.h>

#include "platform/win32/Handles.h"
#include "platform/win32/Utf.h"
#include "res/Resource.h"

namespace win32 {

namespace {

constexpr wchar_t kMainClass[] = L"BrisaltoMainWindow";

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* events =
        reinterpret_cast<plat::IMainWindowEvents*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (events == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);

    switch (msg) {
        case WM_CREATE:
            return events->OnCreate(ToRef(hwnd)) ? 0 : -1;
        case WM_CLOSE:
            events->OnClose();
            return 0;
        case WM_QUERYENDSESSION:
            return events->OnQueryEndSession(DefWindowProcW(hwnd, msg, wParam, lParam) != 0) ? 1
                                                                                             : 0;
        case WM_COMMAND:
            events->OnCommand(LOWORD(wParam));
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            events->OnDestroyed();
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

bool RegisterMainClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, kMainClass, &wc)) return true;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = kMainClass;
    return RegisterClassExW(&wc) != 0;
}

}  // namespace

plat::WindowRef WindowSystem::FindTopLevelWindow(std::string_view caption) {
    return ToRef(FindWindowW(nullptr, Widen(caption).c_str()));
}

int WindowSystem::ShowMessageBox(plat::WindowRef owner, std::string_view text,
                                 std::string_view caption, unsigned type) {
    return MessageBoxW(ToHwnd(owner), Widen(text).c_str(), Widen(caption).c_str(), type);
}

int WindowSystem::MajorVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info)) return 0;
#pragma GCC diagnostic pop
    return static_cast<int>(info.dwMajorVersion);
}

plat::WindowRef WindowSystem::CreateMainWindow(const plat::MainWindowSpec& spec,
                                               plat::IMainWindowEvents& events) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!RegisterMainClass(instance)) return {};
    HWND hwnd = CreateWindowExW(spec.exStyle, kMainClass, Widen(spec.caption).c_str(), spec.style,
                                CW_USEDEFAULT, CW_USEDEFAULT, spec.width, spec.height, nullptr,
                                nullptr, instance, &events);
    return ToRef(hwnd);
}

void WindowSystem::ShowWindow(plat::WindowRef window, int command) {
    ::ShowWindow(ToHwnd(window), command);
}

void WindowSystem::DestroyWindow(plat::WindowRef window) { ::DestroyWindow(ToHwnd(window)); }

int WindowSystem::RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void WindowSystem::PostQuit(int exitCode) { PostQuitMessage(exitCode); }

void WindowSystem::Beep(int frequency, int milliseconds) {
    ::Beep(static_cast<DWORD>(frequency), static_cast<DWORD>(milliseconds));
}

}  // namespace win32
