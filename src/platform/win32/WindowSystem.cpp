#include "platform/win32/WindowSystem.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "platform/win32/DialogTemplate.h"
#include "platform/win32/Drop.h"
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
        events->OnTrayEvent(static_cast<int>(lParam));
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }

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

plat::Point WindowSystem::CursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void WindowSystem::SetForegroundWindow(plat::WindowRef window) {
    ::SetForegroundWindow(ToHwnd(window));
}

namespace {

// The menus live exactly as long as the tracking.
class MenuHandle {
  public:
    MenuHandle() : m_menu(CreatePopupMenu()) {}
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;
    ~MenuHandle() {
        if (m_menu != nullptr) DestroyMenu(m_menu);
    }
    HMENU get() const { return m_menu; }
    // Ownership moves into the menu it is attached to.
    HMENU release() { return std::exchange(m_menu, nullptr); }

  private:
    HMENU m_menu;
};

void FillMenu(HMENU menu, const plat::Menu& items) {
    for (const plat::MenuItem& item : items) {
        switch (item.kind) {
            case plat::MenuItem::Kind::Separator:
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
                break;
            case plat::MenuItem::Kind::Command:
                AppendMenuW(menu, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED),
                            static_cast<UINT_PTR>(item.id), Widen(item.text).c_str());
                break;
            case plat::MenuItem::Kind::Submenu: {
                MenuHandle sub;
                FillMenu(sub.get(), item.items);
                if (AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub.get()),
                                Widen(item.text).c_str())) {
                    sub.release();
                }
                break;
            }
        }
    }
}

class RunningDialog : public plat::IDialog {
  public:
    explicit RunningDialog(plat::IDialogEvents& events) : events(events) {}
    plat::WindowRef Window() override { return ToRef(hwnd); }
    std::string ItemText(int id) override {
        HWND item = GetDlgItem(hwnd, id);
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
        return Narrow(text);
    }
    void SetItemText(int id, std::string_view text) override {
        SetDlgItemTextW(hwnd, id, Widen(text).c_str());
    }
    void FocusItem(int id, bool selectAll) override {
        HWND item = GetDlgItem(hwnd, id);
        SendMessageW(hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
        if (selectAll) SendMessageW(item, EM_SETSEL, 0, -1);
    }
    void SetSpinRange(int id, int lower, int upper) override {
        SendDlgItemMessageW(hwnd, id, UDM_SETRANGE32, static_cast<WPARAM>(lower),
                            static_cast<LPARAM>(upper));
    }
    void End(int result) override { EndDialog(hwnd, result); }
    plat::Rect ClientRect() override {
        RECT r{};
        GetClientRect(hwnd, &r);
        return {r.left, r.top, r.right, r.bottom};
    }
    plat::Rect ItemRect(int id) override {
        RECT r{};
        if (!GetWindowRect(GetDlgItem(hwnd, id), &r)) return {};
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right, r.bottom};
    }
    void MoveItem(int id, plat::Rect rect, bool repaint) override {
        ::MoveWindow(GetDlgItem(hwnd, id), rect.left, rect.top, rect.Width(), rect.Height(),
                     repaint);
    }
    bool IsChecked(int id) override { return IsDlgButtonChecked(hwnd, id) == BST_CHECKED; }
    void SetChecked(int id, bool checked) override {
        CheckDlgButton(hwnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    void Invalidate(bool erase) override { InvalidateRect(hwnd, nullptr, erase); }
    int ListAddRow(int id, std::uintptr_t data) override {
        return static_cast<int>(
            SendDlgItemMessageW(hwnd, id, LB_ADDSTRING, 0, static_cast<LPARAM>(data)));
    }
    void ListDeleteRow(int id, int row) override {
        SendDlgItemMessageW(hwnd, id, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
    }
    int ListCount(int id) override {
        return static_cast<int>(SendDlgItemMessageW(hwnd, id, LB_GETCOUNT, 0, 0));
    }
    int ListSelection(int id) override {
        const LRESULT row = SendDlgItemMessageW(hwnd, id, LB_GETCURSEL, 0, 0);
        return row == LB_ERR ? -1 : static_cast<int>(row);
    }
    void ListSelect(int id, int row) override {
        SendDlgItemMessageW(hwnd, id, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    }
    void InvalidateItem(int id, bool erase) override {
        InvalidateRect(GetDlgItem(hwnd, id), nullptr, erase);
    }
    plat::WindowRef Item(int id) override { return ToRef(GetDlgItem(hwnd, id)); }
    void AddComboItem(int id, std::string_view text) override {
        SendDlgItemMessageW(hwnd, id, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(Widen(text).c_str()));
    }
    void SetComboSelection(int id, int index) override {
        // Not every version clears the selection for an index past the items.
        const LRESULT count = SendDlgItemMessageW(hwnd, id, CB_GETCOUNT, 0, 0);
        if (index < 0 || index >= count) index = -1;
        SendDlgItemMessageW(hwnd, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    int ComboSelection(int id) override {
        const LRESULT index = SendDlgItemMessageW(hwnd, id, CB_GETCURSEL, 0, 0);
        return index == CB_ERR ? -1 : static_cast<int>(index);
    }
    void SetItemIcon(int id, const plat::Icon* icon) override {
        const auto handle = icon != nullptr ? icon->Get() : 0;
        SendDlgItemMessageW(hwnd, id, STM_SETICON, static_cast<WPARAM>(handle), 0);
    }

    plat::IDialogEvents& events;
    HWND hwnd = nullptr;
};

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<RunningDialog*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        dialog->hwnd = hwnd;
        dialog->events.OnInitDialog(*dialog);
        return TRUE;
    }
    auto* dialog = reinterpret_cast<RunningDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (dialog == nullptr) return FALSE;
    if (msg == WM_COMMAND) {
        dialog->events.OnCommand(*dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        dialog->events.OnPaint(*dialog);
        EndPaint(hwnd, &ps);
        return TRUE;
    }
    if (msg == WM_MEASUREITEM) {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        const plat::Size size = dialog->events.OnMeasureItem(*dialog, static_cast<int>(m->CtlID),
                                                             static_cast<int>(m->itemID));
        m->itemWidth = static_cast<UINT>(size.cx);
        m->itemHeight = static_cast<UINT>(size.cy);
        return TRUE;
    }
    if (msg == WM_DRAWITEM) {
        const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        plat::DrawItem item;
        item.control = static_cast<int>(d->CtlID);
        item.row = static_cast<int>(d->itemID);
        item.action = d->itemAction;
        item.state = d->itemState & ODS_SELECTED ? plat::oda::kSelected : 0;
        item.rect = {d->rcItem.left, d->rcItem.top, d->rcItem.right, d->rcItem.bottom};
        item.window = ToRef(d->hwndItem);
        dialog->events.OnDrawItem(*dialog, item);
        return TRUE;
    }
    if (msg == WM_DROPFILES) {
        dialog->events.OnDropFiles(*dialog, TakeDroppedFiles(reinterpret_cast<HDROP>(wParam)));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void WindowSystem::TrackPopupMenu(const plat::Menu& menu, plat::Point at, plat::WindowRef owner) {
    MenuHandle popup;
    FillMenu(popup.get(), menu);
    ::TrackPopupMenu(popup.get(), 0, at.x, at.y, 0, ToHwnd(owner), nullptr);
    // Lets the menu close properly when the user clicks outside it.
    PostMessageW(ToHwnd(owner), WM_NULL, 0, 0);
}

int WindowSystem::RunModalDialog(const plat::DialogTemplate& dialog, plat::WindowRef parent,
                                 plat::IDialogEvents& events) {
    const std::vector<WORD> words = BuildDialogTemplate(dialog);
    RunningDialog running(events);
    return static_cast<int>(DialogBoxIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(words.data()),
        ToHwnd(parent), DialogProc, reinterpret_cast<LPARAM>(&running)));
}

void ReleaseIcon(std::uintptr_t icon) { DestroyIcon(reinterpret_cast<HICON>(icon)); }

plat::Icon WindowSystem::LoadResourceIcon(int id, int cx, int cy) {
    HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, cx, cy,
                             LR_DEFAULTCOLOR);
    return plat::Icon(reinterpret_cast<std::uintptr_t>(icon), ReleaseIcon);
}

std::string WindowSystem::ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return Narrow(path);
        }
        path.resize(path.size() * 2);  // cut short: the path is longer than the buffer
    }
}

std::string WindowSystem::ProgramVersion() {
    const std::wstring path = Widen(ProgramPath());
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<BYTE> data(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data()) ||
        !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) ||
        info == nullptr) {
        return {};
    }
    return std::to_string(HIWORD(info->dwProductVersionMS)) + "." +
           std::to_string(LOWORD(info->dwProductVersionMS)) + "." +
           std::to_string(HIWORD(info->dwProductVersionLS));
}

bool WindowSystem::FileExists(std::string_view path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WindowSystem::OpenWinHelp(plat::WindowRef owner, std::string_view helpFile, unsigned command,
                               std::uintptr_t data) {
    return WinHelpW(ToHwnd(owner), Widen(helpFile).c_str(), command, data) != 0;
}

bool Tray::Notify(plat::TrayAction action, const plat::TrayIconData& data) {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = ToHwnd(data.window);
    nid.uID = data.id;
    nid.uFlags = data.flags;
    nid.uCallbackMessage = data.callbackMessage;
    nid.hIcon = data.icon != nullptr ? reinterpret_cast<HICON>(data.icon->Get()) : nullptr;
    const std::wstring tip = Widen(data.tip).substr(0, std::size(nid.szTip) - 1);
    tip.copy(nid.szTip, tip.size());
    return Shell_NotifyIconW(action == plat::TrayAction::Add ? NIM_ADD : NIM_DELETE, &nid) != 0;
}

}  // namespace win32
