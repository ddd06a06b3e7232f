// The hidden main window, the program's own popup windows (buttons, clock), and what the logic
// does with windows.
#include "platform/win32/Windows.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <climits>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "platform/win32/Accessible.h"
#include "platform/win32/DialogTemplate.h"
#include "platform/win32/Drop.h"
#include "platform/win32/Foreground.h"
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

    // Sent to every top-level window when the shell has made its notification area anew.
    static const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    if (msg == taskbarCreated && msg != 0) {
        events->OnTaskbarCreated();
        return 0;
    }
    if (msg == WM_TRAY_CALLBACK) {
        // The icon's own version: the event in the low word, the point in wParam (see Tray).
        events->OnTrayEvent(LOWORD(lParam), {GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)});
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    if (HearForeground(hwnd, msg, wParam, *events)) return 0;

    switch (msg) {
        case WM_CREATE:
            return events->OnCreate(ToRef(hwnd)) ? 0 : -1;
        case WM_CLOSE:
            events->OnClose();
            return 0;
        case WM_QUERYENDSESSION:
            return events->OnQueryEndSession(DefWindowProcW(hwnd, msg, wParam, lParam) != 0) ? 1
                                                                                             : 0;
        case WM_ENDSESSION:
            events->OnEndSession(wParam != FALSE);
            return 0;
        case WM_COMMAND:
            events->OnCommand(LOWORD(wParam));
            return 0;
        case WM_HOTKEY:
            events->OnHotkey();
            return 0;
        case WM_TIMER:
            events->OnTimer(static_cast<int>(wParam));
            return 0;
        case WM_DISPLAYCHANGE:
            events->OnDisplayChange();
            return DefWindowProcW(hwnd, msg, wParam, lParam);
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

plat::WindowRef Windows::CreateMainWindow(std::string_view caption,
                                          plat::IMainWindowEvents& events) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!RegisterMainClass(instance)) return {};
    // A tool window stays out of the taskbar and the task switcher; the caption is what a second
    // instance looks for.
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, kMainClass, Widen(caption).c_str(),
                                WS_CAPTION | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                                nullptr, nullptr, instance, &events);
    return ToRef(hwnd);
}

void Windows::ShowWindow(plat::WindowRef window, int command) {
    ::ShowWindow(ToHwnd(window), command);
}

void Windows::DestroyWindow(plat::WindowRef window) { ::DestroyWindow(ToHwnd(window)); }

int Windows::RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

std::vector<std::string> TakeDroppedFiles(HDROP drop) {
    std::vector<std::string> files;
    // Only the low word of the count is meaningful.
    const UINT count = LOWORD(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0));
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(length + 1, L'\0');
        name.resize(DragQueryFileW(drop, i, name.data(), length + 1));
        files.push_back(Narrow(name));
    }
    DragFinish(drop);
    return files;
}

namespace {

constexpr wchar_t kTipProperty[] = L"BrisaltoToolTip";

// The keys as they stand: a drop carries no key flags of its own, a key's message none of the
// others'. Asked only when a message needs them: under Wine each question is a trip to the server,
// which every message of a thousand buttons (the whole thread's activation, say) would pay.
unsigned HeldKeys() {
    unsigned keys = 0;
    if (GetKeyState(VK_SHIFT) < 0) keys |= MK_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0) keys |= MK_CONTROL;
    return keys;
}

plat::IPopupEvents* EventsOf(HWND hwnd) {
    return reinterpret_cast<plat::IPopupEvents*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void AddToolOnFirstVisit(HWND hwnd, WPARAM wParam, LPARAM lParam);
void RemoveToolTip(HWND hwnd);
void HearTip(HWND hwnd, UINT msg, LPARAM lParam);

// The keys a focused popup acts on, as the logic names them.
std::optional<plat::Key> KeyOf(WPARAM vk) {
    switch (vk) {
        case VK_LEFT:
            return plat::Key::Left;
        case VK_RIGHT:
            return plat::Key::Right;
        case VK_UP:
            return plat::Key::Up;
        case VK_DOWN:
            return plat::Key::Down;
        case VK_TAB:
            return plat::Key::Tab;
        case VK_HOME:
            return plat::Key::Home;
        case VK_END:
            return plat::Key::End;
        case VK_RETURN:
            return plat::Key::Enter;
        case VK_SPACE:
            return plat::Key::Space;
        case VK_ESCAPE:
            return plat::Key::Escape;
        case VK_APPS:
            return plat::Key::Menu;
        default:
            return std::nullopt;
    }
}

// Keys and the focus; true when the events took the message. Shift+F10 comes as a system key
// and the menu key as itself; both are handled at the press, and their releases and the context
// menu request default processing would make of them are swallowed, so one press is one menu.
bool HearKeys(plat::IPopupEvents& events, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_KEYDOWN:
            if (auto key = KeyOf(wParam)) return events.OnKeyDown(*key, HeldKeys());
            return false;
        case WM_SYSKEYDOWN:
            if (wParam == VK_F10 && (HeldKeys() & MK_SHIFT))
                return events.OnKeyDown(plat::Key::Menu, HeldKeys());
            return false;
        case WM_KEYUP:
            return wParam == VK_APPS;
        case WM_SYSKEYUP:
            return wParam == VK_F10 && (HeldKeys() & MK_SHIFT);
        case WM_CONTEXTMENU:
            // From the keyboard by another way (an assistive tool): the point is -1, -1.
            if (lParam == -1) events.OnKeyDown(plat::Key::Menu, HeldKeys());
            return true;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            events.OnFocus(msg == WM_SETFOCUS);
            return false;
        default:
            return false;
    }
}

// The popups' dispatch. Sets `handled` when the events took the message and
// `result` is the answer; otherwise default processing follows.
LRESULT Dispatch(plat::IPopupEvents& events, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                 bool& handled) {
    handled = true;
    const plat::Point at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const auto keys = static_cast<unsigned>(wParam);
    switch (msg) {
        case WM_PAINT: {
            const PaintScope painting(hwnd);
            events.OnPaint();
            return 0;
        }
        case WM_TIMER:
            events.OnTimer(static_cast<int>(wParam));
            return 0;
        case WM_NCHITTEST:
            if (auto answer = events.OnNcHitTest(at)) return *answer;
            break;
        case WM_NCLBUTTONDOWN:
            events.OnNcLButtonDown();
            break;
        case WM_NCLBUTTONDBLCLK:
            events.OnNcLButtonDblClk();
            break;
        case WM_LBUTTONDOWN:
            events.OnLButtonDown(at, keys);
            return 0;
        case WM_LBUTTONUP:
            events.OnLButtonUp(at, keys);
            return 0;
        case WM_RBUTTONDOWN:
            events.OnRButtonDown(at, keys);
            return 0;
        case WM_MOUSEMOVE:
            AddToolOnFirstVisit(hwnd, wParam, lParam);
            events.OnMouseMove(at, keys);
            return 0;
        case WM_DROPFILES:
            events.OnDropFiles(TakeDroppedFiles(reinterpret_cast<HDROP>(wParam)), HeldKeys());
            return 0;
        case WM_COMMAND:
            events.OnCommand(LOWORD(wParam));
            return 0;
        case WM_ENTERSIZEMOVE:
            events.OnEnterSizeMove();
            break;
        case WM_EXITSIZEMOVE:
            events.OnExitSizeMove();
            break;
        case WM_GETMINMAXINFO:
            if (auto size = events.OnGetMinTrackSize()) {
                reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {size->cx, size->cy};
                return 0;
            }
            break;
        case WM_DPICHANGED: {
            const RECT& r = *reinterpret_cast<const RECT*>(lParam);
            events.OnDpiChanged(LOWORD(wParam), {r.left, r.top, r.right, r.bottom});
            return 0;
        }
        case WM_CLOSE:
            if (events.OnClose()) DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            events.OnDestroy();
            break;
        default:
            break;
    }
    handled = false;
    return 0;
}

// The events of the popup being created: the size is fixed by WM_GETMINMAXINFO, which comes
// before WM_NCCREATE hands them over.
thread_local plat::IPopupEvents* t_creating = nullptr;

LRESULT CALLBACK PopupProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    // A window's tool goes with the window, whether or not it still reports to an object.
    if (msg == WM_NCDESTROY) RemoveToolTip(hwnd);
    HearTip(hwnd, msg, lParam);
    plat::IPopupEvents* events = EventsOf(hwnd);
    if (events == nullptr && msg == WM_GETMINMAXINFO) events = t_creating;
    if (events == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_CREATE) {
        const LRESULT r = DefWindowProcW(hwnd, msg, wParam, lParam);
        if (r == -1) return -1;
        events->OnCreate(ToRef(hwnd));
        return 0;
    }
    if (msg == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (LRESULT answer = 0; HearAccessibility(hwnd, msg, wParam, lParam, *events, answer))
        return answer;
    if (HearKeys(*events, msg, wParam, lParam)) return 0;
    // A window without a frame has nothing outside its face to draw. The system's default would
    // still tell Wine's taskbar, which then looks over every window on the desktop: a thousand
    // buttons shown for the first time kept it, and the window server, busy for a minute more.
    constexpr LONG_PTR kFramed = WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_HSCROLL | WS_VSCROLL;
    if (msg == WM_NCPAINT && (GetWindowLongPtrW(hwnd, GWL_STYLE) & kFramed) == 0) return 0;
    bool handled = false;
    const LRESULT result = Dispatch(*events, hwnd, msg, wParam, lParam, handled);
    return handled ? result : DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND InsertAfter(plat::ZOrder z) {
    switch (z) {
        case plat::ZOrder::Topmost:
            return HWND_TOPMOST;
        case plat::ZOrder::NoTopmost:
            return HWND_NOTOPMOST;
        case plat::ZOrder::Bottom:
            return HWND_BOTTOM;
        case plat::ZOrder::Keep:
            break;
    }
    return nullptr;
}

}  // namespace

namespace {

// What each kind of the program's popups is made of.
struct PopupClass {
    const wchar_t* name;
    UINT classStyle;
    bool arrowCursor;
    DWORD style;
    DWORD exStyle;
};

PopupClass ClassOf(plat::WindowKind kind) {
    switch (kind) {
        case plat::WindowKind::Clock:
            return {L"BrisaltoClock", CS_HREDRAW | CS_VREDRAW, false,
                    WS_POPUP | WS_VISIBLE | WS_BORDER | WS_THICKFRAME, 0};
        case plat::WindowKind::Button:
            break;
    }
    // One window of our own class: a modeless dialog would add a font and two push buttons that
    // nobody ever sees, three times the objects for a thousand buttons. Double clicks arrive as
    // such, as they did on a dialog.
    return {L"BrisaltoButton", CS_DBLCLKS, true, WS_POPUP, WS_EX_ACCEPTFILES};
}

}  // namespace

plat::WindowRef Windows::CreatePopup(const plat::PopupSpec& spec, plat::IPopupEvents& events) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const PopupClass kind = ClassOf(spec.kind);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(instance, kind.name, &wc)) {
        wc.style = kind.classStyle;
        wc.lpfnWndProc = PopupProc;
        wc.hInstance = instance;
        wc.hCursor =
            kind.arrowCursor ? LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)) : nullptr;
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
        wc.lpszClassName = kind.name;
        RegisterClassExW(&wc);
    }
    const plat::Rect& r = spec.rect;
    const DWORD exStyle = kind.exStyle | (spec.topmost ? WS_EX_TOPMOST : 0);
    plat::IPopupEvents* const outer = std::exchange(t_creating, &events);
    HWND hwnd =
        CreateWindowExW(exStyle, kind.name, Widen(spec.text).c_str(), kind.style, r.left, r.top,
                        r.Width(), r.Height(), ToHwnd(spec.owner), nullptr, instance, &events);
    t_creating = outer;
    return ToRef(hwnd);
}

plat::IPopupEvents* PopupEventsOf(HWND hwnd) {
    if (reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd, GCLP_WNDPROC)) != PopupProc)
        return nullptr;
    return EventsOf(hwnd);
}

namespace {
// Unhooks one of the program's windows from its object; the window stays as it is.
BOOL CALLBACK ReleaseFromObject(HWND hwnd, LPARAM) {
    const auto proc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd, GCLP_WNDPROC));
    if (proc == MainWindowProc || proc == PopupProc) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return TRUE;
}
}  // namespace

void Windows::DetachAll() {
    // Destroying a thousand windows one by one keeps the window system busy for seconds; the end
    // of the process takes them all at once, without a message to any of them. Until then none
    // reports to its object: the objects go first.
    EnumThreadWindows(GetCurrentThreadId(), ReleaseFromObject, 0);
}

void Windows::PostQuit() { PostQuitMessage(0); }

void Windows::SetWindowPos(plat::WindowRef window, plat::ZOrder z, int x, int y, int cx, int cy,
                           unsigned flags) {
    HWND hwnd = ToHwnd(window);
    if (z == plat::ZOrder::Keep) flags |= SWP_NOZORDER;
    const bool leaving = z == plat::ZOrder::NoTopmost || z == plat::ZOrder::Bottom;
    // Our windows are all owned by the hidden main window, whose place must not change with
    // theirs: it would carry every sibling along.
    if (leaving) flags |= SWP_NOOWNERZORDER;
    ::SetWindowPos(hwnd, InsertAfter(z), x, y, cx, cy, flags);
    if (!leaving || !(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST)) return;
    // Wine keeps an owned window right above its owner; with the owner at the head of the normal
    // band that place is still in the topmost band, and the window stays there. The owner is
    // hidden, so it can go to the bottom out of the way.
    if (HWND owner = GetWindow(hwnd, GW_OWNER)) {
        ::SetWindowPos(owner, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ::SetWindowPos(hwnd, InsertAfter(z), x, y, cx, cy, flags);
    }
}

namespace {
struct Stacking {
    std::unordered_set<HWND> ours;
    // Other programs' windows shown above the first of ours, and ours that one of them covers.
    std::vector<RECT> above;
    std::vector<HWND> covered;
    std::size_t seen = 0;
};

BOOL CALLBACK LookAtStacking(HWND hwnd, LPARAM param) {
    auto& s = *reinterpret_cast<Stacking*>(param);
    RECT r{};
    if (s.ours.count(hwnd) == 0) {
        DWORD process = 0;
        if (IsWindowVisible(hwnd) && !IsIconic(hwnd) &&
            GetWindowThreadProcessId(hwnd, &process) != 0 && process != GetCurrentProcessId()) {
            // A rectangle that cannot be read, or reads back to front (Wine 10 gives a
            // maximised window of a program unaware of the screen's scale a left edge of
            // 44739236), is taken to cover everything.
            if (!GetWindowRect(hwnd, &r) || r.left > r.right || r.top > r.bottom)
                r = {LONG_MIN, LONG_MIN, LONG_MAX, LONG_MAX};
            s.above.push_back(r);
        }
        return TRUE;
    }
    GetWindowRect(hwnd, &r);
    for (const RECT& a : s.above) {
        RECT both{};
        if (IntersectRect(&both, &a, &r)) {
            s.covered.push_back(hwnd);
            break;
        }
    }
    return ++s.seen < s.ours.size();
}
}  // namespace

void Windows::BringForward(const std::vector<plat::WindowRef>& windows) {
    // Moving a window in the stacking costs Wine time in proportion to all the windows there are:
    // a thousand buttons moved one by one took it two seconds. Only those another program's
    // window covers move; the system lists the stacking in one call, from the top down.
    Stacking s;
    for (const plat::WindowRef w : windows) s.ours.insert(ToHwnd(w));
    if (s.ours.empty()) return;
    EnumWindows(LookAtStacking, reinterpret_cast<LPARAM>(&s));
    for (HWND hwnd : s.covered) {
        // The owner stays where it is: it would carry every sibling along.
        ::SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
}

bool Windows::InTopBand(plat::WindowRef window) {
    // Read from the window's own record: no trip to the window server.
    return (GetWindowLongPtrW(ToHwnd(window), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void Windows::MoveWindow(plat::WindowRef window, int x, int y, int cx, int cy) {
    ::MoveWindow(ToHwnd(window), x, y, cx, cy, TRUE);
}

plat::Rect Windows::WindowRect(plat::WindowRef window) {
    RECT r{};
    GetWindowRect(ToHwnd(window), &r);
    return {r.left, r.top, r.right, r.bottom};
}

plat::Rect Windows::ClientRect(plat::WindowRef window) {
    RECT r{};
    GetClientRect(ToHwnd(window), &r);
    return {r.left, r.top, r.right, r.bottom};
}

plat::Point Windows::ClientToScreen(plat::WindowRef window, plat::Point client) {
    POINT p{client.x, client.y};
    ::ClientToScreen(ToHwnd(window), &p);
    return {p.x, p.y};
}

void Windows::Invalidate(plat::WindowRef window) { InvalidateRect(ToHwnd(window), nullptr, TRUE); }

void Windows::SetTimer(plat::WindowRef window, int id, int milliseconds) {
    ::SetTimer(ToHwnd(window), static_cast<UINT_PTR>(id), static_cast<UINT>(milliseconds), nullptr);
}

void Windows::KillTimer(plat::WindowRef window, int id) {
    ::KillTimer(ToHwnd(window), static_cast<UINT_PTR>(id));
}

namespace {

// One tip control serves every window of the program, each window one tool of it: a thousand
// buttons then cost a thousand tools, not a thousand more windows. A window becomes a tool
// when the pointer first comes over it, not when it is made: a thousand tools registered at
// start-up cost as long as showing a hundred buttons.
struct Tip {
    std::wstring text;
    bool tool = false;  // registered with the tip control
};

std::unordered_map<HWND, Tip>& Tips() {
    static std::unordered_map<HWND, Tip> tips;
    return tips;
}

// The tip control, made when the pointer first comes over a window and let go once its tip has
// had its time: while the pointer rests on its tool the control looks every tenth of a second
// whether it has left, and with a thousand buttons that look is what an idle program would
// spend its time on.
HWND g_tip = nullptr;
// Posted to a window whose tip was taken down while the pointer still rests on it.
constexpr UINT kTipDone = WM_APP + 0x67;

HWND TipControl(HWND forWindow) {
    if (g_tip != nullptr && IsWindow(g_tip)) return g_tip;
    HWND owner = GetWindow(forWindow, GW_OWNER);
    g_tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                            owner != nullptr ? owner : forWindow, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (g_tip == nullptr) return nullptr;
    SendMessageW(g_tip, TTM_ACTIVATE, TRUE, 0);
    // The tools of a control that went are gone with it.
    for (auto& [window, entry] : Tips()) entry.tool = false;
    return g_tip;
}

// The tip came down while the pointer stays on its window (its time ran out, or a click): the
// control goes, and the next move of the pointer over any window makes it anew. A tip that came
// down because the pointer went on to another window leaves the control to show that one's.
void HearTip(HWND hwnd, UINT msg, LPARAM lParam) {
    if (msg == WM_NOTIFY) {
        const auto* note = reinterpret_cast<const NMHDR*>(lParam);
        POINT pointer{};
        if (note->code == TTN_POP && note->hwndFrom == g_tip && GetCursorPos(&pointer) &&
            WindowFromPoint(pointer) == hwnd) {
            // Not from inside the control's own call: it goes on using itself after this.
            PostMessageW(hwnd, kTipDone, 0, 0);
        }
    } else if (msg == kTipDone && g_tip != nullptr) {
        for (auto& [window, entry] : Tips()) {
            if (entry.tool) RemovePropW(window, kTipProperty);
            entry.tool = false;
        }
        DestroyWindow(std::exchange(g_tip, nullptr));
    }
}

TTTOOLINFOW ToolOf(HWND hwnd, std::wstring* text) {
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = hwnd;
    ti.uId = reinterpret_cast<UINT_PTR>(hwnd);
    ti.lpszText = text != nullptr ? text->data() : nullptr;
    return ti;
}

void AddToolOnFirstVisit(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    auto it = Tips().find(hwnd);
    if (it == Tips().end() || it->second.tool) return;
    HWND tip = TipControl(hwnd);
    if (tip == nullptr) return;
    TTTOOLINFOW ti = ToolOf(hwnd, &it->second.text);
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    SetPropW(hwnd, kTipProperty, tip);
    it->second.tool = true;
    // From the next move on the control watches the window itself; this one it is told of.
    const DWORD pos = GetMessagePos();
    MSG move{hwnd,
             WM_MOUSEMOVE,
             wParam,
             lParam,
             static_cast<DWORD>(GetMessageTime()),
             {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)}};
    SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

void RemoveToolTip(HWND hwnd) {
    Tips().erase(hwnd);
    auto tip = static_cast<HWND>(RemovePropW(hwnd, kTipProperty));
    if (tip == nullptr || !IsWindow(tip)) return;
    TTTOOLINFOW ti = ToolOf(hwnd, nullptr);
    SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

}  // namespace

void Windows::SetToolTip(plat::WindowRef window, std::string_view text) {
    HWND hwnd = ToHwnd(window);
    Tip& entry = Tips()[hwnd];
    entry.text = Widen(text);
    if (!entry.tool) return;
    TTTOOLINFOW ti = ToolOf(hwnd, &entry.text);
    if (HWND tip = TipControl(hwnd); tip != nullptr && entry.tool)
        SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

void Windows::SetText(plat::WindowRef window, std::string_view text) {
    HWND hwnd = ToHwnd(window);
    SetWindowTextW(hwnd, Widen(text).c_str());
    // The system tells of the window's text; a reader that asked our own object hears this.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace win32
