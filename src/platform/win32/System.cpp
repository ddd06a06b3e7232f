// Facts and services of the program and its system.
#include "platform/win32/System.h"

#include <windows.h>

#include <vector>

#include "platform/win32/Handles.h"
#include "platform/win32/Utf.h"

namespace win32 {

plat::WindowRef System::FindTopLevelWindow(std::string_view caption) {
    return ToRef(FindWindowW(nullptr, Widen(caption).c_str()));
}

System::~System() {
    if (m_instanceLock != nullptr) CloseHandle(m_instanceLock);
}

bool System::TakeInstanceLock(std::string_view name) {
    if (m_instanceLock != nullptr) return true;
    // In the session's own namespace: another user signed in on the same machine runs their own.
    const std::wstring full = L"Local\\" + Widen(name);
    HANDLE mutex = CreateMutexW(nullptr, FALSE, full.c_str());
    if (mutex == nullptr) return true;  // no lock to be had: the window check still stands
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    m_instanceLock = mutex;
    return true;
}

void System::RegisterRestart() {
    // Only after an update's restart, never after a crash or a hang: a program that fails at
    // start-up would otherwise be started again and again.
    RegisterApplicationRestart(nullptr, RESTART_NO_CRASH | RESTART_NO_HANG);
}

std::string System::SystemFolder() {
    wchar_t path[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryW(path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? Narrow(std::wstring_view(path, n)) : std::string();
}

int System::MajorVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info)) return 0;
#pragma GCC diagnostic pop
    return static_cast<int>(info.dwMajorVersion);
}

void System::Beep(int frequency, int milliseconds) {
    ::Beep(static_cast<DWORD>(frequency), static_cast<DWORD>(milliseconds));
}

plat::Icon System::LoadResourceIcon(int id, int cx, int cy) {
    HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, cx, cy,
                             LR_DEFAULTCOLOR);
    return OwnIcon(static_cast<HICON>(icon));
}

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);  // cut short: the path is longer than the buffer
    }
}

std::string System::ProgramPath() { return Narrow(ModulePath()); }

std::string System::ProgramVersion() {
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

bool System::FileExists(std::string_view path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool System::ReadFile(std::string_view path, std::size_t limit, std::string& bytes) {
    HANDLE opened =
        CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    const KernelHandle file(opened);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > static_cast<LONGLONG>(limit)) {
        return false;
    }
    std::string text(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t got = 0;
    while (got < text.size()) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), text.data() + got, static_cast<DWORD>(text.size() - got), &n,
                        nullptr)) {
            return false;
        }
        if (n == 0) break;
        got += n;
    }
    text.resize(got);
    bytes = std::move(text);
    return true;
}

bool System::WriteFile(std::string_view path, std::string_view bytes) {
    const std::wstring name = Widen(path);
    HANDLE opened = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    const KernelHandle file(opened);
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD n = 0;
        if (!::WriteFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                         &n, nullptr) ||
            n == 0) {
            return false;
        }
        done += n;
    }
    return FlushFileBuffers(file.get()) != FALSE;
}

std::string System::ExpandEnvironment(std::string_view text) {
    const std::wstring source = Widen(text);
    std::wstring expanded(source.size() + 260, L'\0');
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD n = ExpandEnvironmentStringsW(source.c_str(), expanded.data(),
                                                  static_cast<DWORD>(expanded.size()));
        if (n == 0) return std::string(text);
        if (n <= expanded.size()) {
            expanded.resize(n - 1);  // n counts the terminator
            return Narrow(expanded);
        }
        expanded.assign(n, L'\0');
    }
    return std::string(text);
}

bool System::OpenWinHelp(plat::WindowRef owner, std::string_view helpFile) {
    return WinHelpW(ToHwnd(owner), Widen(helpFile).c_str(), HELP_FINDER, 0) != 0;
}

}  // namespace win32
