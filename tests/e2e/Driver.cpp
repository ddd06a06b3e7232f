#include "tests/e2e/Driver.h"

#include <shellapi.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "platform/win32/Utf.h"

namespace e2e {

namespace {

constexpr wchar_t kStoreKey[] = L"Software\\Kestrowave\\Vopdrant";

std::wstring ExecutablePath() { return WindowsPath(Variable(L"BRISALTO_EXE")); }

std::wstring SectionKey(const wchar_t* section) {
    return std::wstring(kStoreKey) + L"\\" + section;
}

}  // namespace

std::wstring Variable(const wchar_t* name) {
    const DWORD n = GetEnvironmentVariableW(name, nullptr, 0);
    if (n == 0) return {};
    std::wstring value(n, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), n));
    return value;
}

std::wstring WindowsPath(std::wstring path) {
    if (!path.empty() && path[0] == L'/') {
        for (auto& c : path) {
            if (c == L'/') c = L'\\';
        }
        path = L"Z:" + path;
    }
    return path;
}

std::vector<HWND> ButtonWindows(DWORD pid) {
    std::vector<HWND> found;
    HWND w = nullptr;
    while ((w = FindWindowExW(nullptr, w, L"BrisaltoButton", nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid && IsWindowVisible(w)) found.push_back(w);
    }
    std::sort(found.begin(), found.end(), [](HWND a, HWND b) {
        RECT ra{}, rb{};
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.left < rb.left;
    });
    return found;
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

int ScreenDpi() {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    if (auto set = reinterpret_cast<SetContext>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")))) {
        set(reinterpret_cast<HANDLE>(-4));  // per monitor, version 2
    }
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    return dpi;
}

std::string ReadFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

Process::~Process() {
    if (m_info.hProcess != nullptr) {
        if (Running()) Kill();
        CloseHandle(m_info.hProcess);
        CloseHandle(m_info.hThread);
    }
}

bool Process::Start(const std::wstring& arguments) { return Start(ExecutablePath(), arguments); }

bool Process::Start(const std::wstring& exe, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    return CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &si, &m_info) != 0;
}

std::optional<DWORD> Process::WaitForExit(std::chrono::milliseconds timeout) {
    if (WaitForSingleObject(m_info.hProcess, static_cast<DWORD>(timeout.count())) !=
        WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(m_info.hProcess, &code);
    return code;
}

bool Process::Running() const {
    return m_info.hProcess != nullptr && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

void Process::Kill() {
    TerminateProcess(m_info.hProcess, 99);
    WaitForSingleObject(m_info.hProcess, 5000);
}

Cover::Cover(const std::wstring& words) {
    const std::wstring exe = WindowsPath(Variable(L"BRISALTO_COVER"));
    std::wstring commandLine = L"\"" + exe + L"\" " + words;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &m_info)) {
        return;
    }
    WaitUntil([&] {
        m_window = FindWindowOf(m_info.dwProcessId, L"BrisaltoCover", nullptr);
        return m_window != nullptr && GetForegroundWindow() == m_window;
    });
}

Cover::~Cover() {
    Close();
    if (m_info.hProcess == nullptr) return;
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
}

void Cover::Close() {
    if (m_info.hProcess == nullptr) return;
    if (m_window != nullptr) PostMessageW(m_window, WM_CLOSE, 0, 0);
    if (!Ended(std::chrono::seconds(10))) Kill();
    m_window = nullptr;
}

void Cover::Kill() {
    if (m_info.hProcess == nullptr) return;
    TerminateProcess(m_info.hProcess, 1);
    Ended(std::chrono::seconds(5));
    m_window = nullptr;
}

bool Cover::Ended(std::chrono::milliseconds timeout) {
    return m_info.hProcess != nullptr &&
           WaitForSingleObject(m_info.hProcess, static_cast<DWORD>(timeout.count())) ==
               WAIT_OBJECT_0;
}

HWND FindWindowOf(DWORD pid, const wchar_t* className, const wchar_t* caption) {
    HWND hwnd = nullptr;
    while ((hwnd = FindWindowExW(nullptr, hwnd, className, caption)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (pid == 0 || owner == pid) return hwnd;
    }
    return nullptr;
}

std::wstring MessageBoxText(HWND box) {
    // A message box's text is its static control 0xFFFF.
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    return text;
}

void ClearStore() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Kestrowave"); }

bool StoreExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Kestrowave\\Vopdrant", 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

void StoreButtons(const std::vector<StoredButton>& buttons) {
    ClearStore();
    PutInt(L"Button", L"Num", static_cast<DWORD>(buttons.size()));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const std::wstring section = L"Btn" + std::to_wstring(i + 1);
        PutString(section.c_str(), L"AppName", buttons[i].appName);
        PutString(section.c_str(), L"Data", buttons[i].data);
    }
}

HWND WaitForDialog(DWORD pid, const wchar_t* caption) {
    HWND dialog = nullptr;
    WaitUntil([&] {
        dialog = FindWindowOf(pid, L"#32770", caption);
        return dialog != nullptr && IsWindowVisible(dialog);
    });
    return dialog;
}

std::optional<DWORD> StoredInt(const wchar_t* section, const wchar_t* key) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, SectionKey(section).c_str(), key, RRF_RT_REG_DWORD, nullptr,
                     &value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::wstring> StoredString(const wchar_t* section, const wchar_t* key) {
    return UserString(SectionKey(section), key);
}

std::optional<std::wstring> UserString(const std::wstring& key, const wchar_t* value) {
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value, RRF_RT_REG_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1);
    size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value, RRF_RT_REG_SZ, nullptr, buffer.data(),
                 &size);
    return std::wstring(buffer.data());
}

void PutInt(const wchar_t* section, const wchar_t* key, DWORD value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, SectionKey(section).c_str(), key, REG_DWORD, &value,
                    sizeof value);
}

void PutString(const wchar_t* section, const wchar_t* key, const std::wstring& value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, SectionKey(section).c_str(), key, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

bool RunUnix(const std::vector<std::string>& argv) {
    // Wine's own way of starting a host program, as its browser launcher does.
    using Spawn = LONG(CDECL*)(char* const argv[], int wait);
    static const auto spawn = reinterpret_cast<Spawn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "__wine_unix_spawnvp")));
    if (spawn == nullptr) return false;
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    return spawn(args.data(), 1) == 0;
}

void Click(int x, int y, int button) {
    RunUnix({"/usr/bin/xdotool", "mousemove", std::to_string(x), std::to_string(y), "click",
             std::to_string(button)});
}

std::string Screenshot(const std::string& name) {
    char dir[2048] = {};
    GetEnvironmentVariableA("BRISALTO_ARTIFACTS", dir, sizeof dir);
    const std::string folder = dir[0] != 0 ? dir : "/tmp";
    RunUnix({"/bin/mkdir", "-p", folder});
    // Each Wine's pictures beside the other's.
    char wine[8] = {};
    GetEnvironmentVariableA("BRISALTO_WINE", wine, sizeof wine);
    const std::string suffix = std::string(wine) == "10" ? "-wine10" : "";
    const std::string path = folder + "/" + name + suffix + ".png";
    RunUnix({"/usr/bin/import", "-window", "root", path});
    return path;
}

bool TrayIconKnown(HWND owner, UINT id) {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = owner;
    nid.uID = id;
    return Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

bool TrayIconPoint(POINT& at) {
    HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (tray == nullptr || !IsWindowVisible(tray)) return false;
    RECT r{};
    GetWindowRect(tray, &r);
    // The first icon sits at the right end of the taskbar.
    at = {r.right - 11, (r.top + r.bottom) / 2};
    return true;
}

HWND OpenTrayMenu(POINT icon) {
    // A taskbar that has just been shown again may miss the first click.
    HWND menu = nullptr;
    for (int attempt = 0; attempt < 3 && menu == nullptr; ++attempt) {
        Click(icon.x, icon.y, 3);
        menu = WaitForMenu(std::chrono::seconds(3));
    }
    // Off the icon, so its tip does not cover the menu.
    RunUnix({"/usr/bin/xdotool", "mousemove", "400", "300"});
    return menu;
}

void ClickItem(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    Click((r.left + r.right) / 2, (r.top + r.bottom) / 2, 1);
}

std::vector<std::uint32_t> ScreenPixels(const RECT& r) {
    const int cx = r.right - r.left;
    const int cy = r.bottom - r.top;
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(memory, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, cx, cy, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    std::vector<std::uint32_t> pixels(static_cast<const std::uint32_t*>(bits),
                                      static_cast<const std::uint32_t*>(bits) + cx * cy);
    for (auto& p : pixels) p &= 0xFFFFFF;
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

HWND WaitForMenu(std::chrono::milliseconds timeout) {
    // Menu windows stay around hidden once used; the one that matters is the visible one.
    auto visibleMenu = [] {
        HWND w = nullptr;
        while ((w = FindWindowExW(nullptr, w, L"#32768", nullptr)) != nullptr) {
            if (IsWindowVisible(w)) return w;
        }
        return static_cast<HWND>(nullptr);
    };
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = visibleMenu()) != nullptr; }, timeout);
    return menu;
}

void ChooseByMnemonic(HWND menu, char key) {
    // The menu loop reads its thread's queue as it would a keystroke.
    PostMessageW(menu, WM_CHAR, static_cast<WPARAM>(key), 0);
}

bool ChooseFromTrayMenu(POINT icon, const std::string& keys) {
    HWND menu = OpenTrayMenu(icon);
    if (menu == nullptr) return false;
    for (char k : keys) {
        if (k == '\n' || k == '^') {
            PostMessageW(menu, WM_KEYDOWN, k == '\n' ? VK_RETURN : VK_UP, 0);
        } else {
            ChooseByMnemonic(menu, k);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
    WaitUntil([] { return WaitForMenu(std::chrono::milliseconds(0)) == nullptr; },
              std::chrono::seconds(3));
    return true;
}

VARIANT AccessibleSelf() {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = CHILDID_SELF;
    return v;
}

std::string AskAccessible(IAccessible& object, AccessibleText get) {
    BSTR text = nullptr;
    const HRESULT hr = (object.*get)(AccessibleSelf(), &text);
    if (FAILED(hr)) return "failed " + std::to_string(hr);
    if (text == nullptr) return "<none>";
    const int length = static_cast<int>(SysStringLen(text));
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), bytes, nullptr, nullptr);
    SysFreeString(text);
    return out;
}

}  // namespace e2e
