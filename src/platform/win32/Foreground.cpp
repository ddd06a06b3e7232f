// Three things say that the foreground may have changed, and each only makes the main window
// look again at what is there: the shell's word to application bars (ABN_FULLSCREENAPP, which
// names no monitor), the system's WinEvents for the foreground window, and activation leaving
// the program or coming back to it. Wine 8 raises neither of the first two, so there the third
// is what remains. None of them is sure to come when a full-screen program's process ends with
// its window, so while the logic keeps its look-again timer on the main window each tick is a
// look too; nothing else is polled.
#include "platform/win32/Foreground.h"

#include <shellapi.h>

#include <cwchar>
#include <vector>

#include "platform/win32/Handles.h"

namespace win32 {

namespace {

constexpr UINT kAppBarCallback = WM_APP + 0x65;
constexpr UINT kLookAgain = WM_APP + 0x66;

HWND g_main = nullptr;
// The foreground window last described: its moves, hiding and end matter too.
HWND g_last = nullptr;
// One look is queued at a time, however many events ask for it.
bool g_lookQueued = false;
std::vector<WinEventHook> g_hooks;

void QueueLook() {
    if (g_main == nullptr || g_lookQueued) return;
    g_lookQueued = PostMessageW(g_main, kLookAgain, 0, 0) != FALSE;
}

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD,
                         DWORD) {
    if (object != OBJID_WINDOW || child != CHILDID_SELF) return;
    // Location changes come for every window that moves anywhere; only the foreground's count.
    if (event != EVENT_SYSTEM_FOREGROUND && hwnd != g_last && hwnd != GetForegroundWindow()) {
        return;
    }
    QueueLook();
}

APPBARDATA AppBar(HWND main) {
    APPBARDATA bar{};
    bar.cbSize = sizeof bar;
    bar.hWnd = main;
    bar.uCallbackMessage = kAppBarCallback;
    return bar;
}

bool ClassIs(HWND hwnd, const wchar_t* name) {
    wchar_t text[64] = {};
    GetClassNameW(hwnd, text, 64);
    return std::wcscmp(text, name) == 0;
}

plat::ForegroundWindow::Kind KindOf(HWND hwnd) {
    using Kind = plat::ForegroundWindow::Kind;
    // The desktop's wallpaper window comes to the front of everything when the desktop is shown.
    if (hwnd == GetDesktopWindow() || hwnd == GetShellWindow() || ClassIs(hwnd, L"Progman") ||
        ClassIs(hwnd, L"WorkerW")) {
        return Kind::Desktop;
    }
    if (ClassIs(hwnd, L"Shell_TrayWnd") || ClassIs(hwnd, L"Shell_SecondaryTrayWnd")) {
        return Kind::Taskbar;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    return process == GetCurrentProcessId() ? Kind::Ours : Kind::Program;
}

}  // namespace

plat::ForegroundWindow DescribeWindow(HWND hwnd) {
    plat::ForegroundWindow w;
    if (hwnd == nullptr || !IsWindow(hwnd)) return w;
    w.kind = KindOf(hwnd);
    w.visible = IsWindowVisible(hwnd) && !IsIconic(hwnd);
    RECT client{};
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    w.client = {client.left, client.top, client.right, client.bottom};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& m = monitor.rcMonitor;
        w.monitor = {m.left, m.top, m.right, m.bottom};
    }
    return w;
}

namespace {

// The window in the foreground as the logic sees it.
plat::ForegroundWindow DescribeForeground() {
    g_last = GetForegroundWindow();
    return DescribeWindow(g_last);
}

}  // namespace

void StartForegroundWatch(HWND main) {
    if (g_main != nullptr) return;
    g_main = main;
    // Registered without a place of its own, it takes no room on the screen and only hears.
    APPBARDATA bar = AppBar(main);
    SHAppBarMessage(ABM_NEW, &bar);
    // Our own windows' moves, showing and hiding are not heard: only another program's window
    // can take a monitor for itself, and a thousand buttons placed at an import would each send
    // one. The foreground coming to one of ours is heard, as it ends a full-screen program's turn.
    const DWORD ranges[][3] = {
        {EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, 0},
        {EVENT_OBJECT_DESTROY, EVENT_OBJECT_HIDE, WINEVENT_SKIPOWNPROCESS},
        {EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE, WINEVENT_SKIPOWNPROCESS}};
    for (const auto& range : ranges) {
        if (HWINEVENTHOOK hook = SetWinEventHook(range[0], range[1], nullptr, OnWinEvent, 0, 0,
                                                 WINEVENT_OUTOFCONTEXT | range[2])) {
            g_hooks.emplace_back(hook);
        }
    }
    // A full-screen program may be up already.
    QueueLook();
}

void StopForegroundWatch(HWND main) {
    if (main != g_main) return;
    g_hooks.clear();
    APPBARDATA bar = AppBar(main);
    SHAppBarMessage(ABM_REMOVE, &bar);
    g_main = nullptr;
    g_last = nullptr;
    g_lookQueued = false;
}

bool HearForeground(HWND main, UINT msg, WPARAM wParam, plat::IMainWindowEvents& events) {
    if (main != g_main) return false;
    switch (msg) {
        case kLookAgain:
            g_lookQueued = false;
            events.OnForegroundWindow(DescribeForeground());
            return true;
        case WM_TIMER:
            if (wParam != plat::kForegroundLookTimer) return false;
            events.OnForegroundWindow(DescribeForeground());
            return true;
        case kAppBarCallback:
            if (wParam == ABN_FULLSCREENAPP) QueueLook();
            return true;
        case WM_ACTIVATEAPP:
        case WM_DISPLAYCHANGE:
            // Sent while the change is still under way: the look waits until it is done.
            QueueLook();
            return false;
        default:
            return false;
    }
}

}  // namespace win32
