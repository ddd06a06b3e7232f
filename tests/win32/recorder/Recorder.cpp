// Writes how it was started into the file named by BRISALTO_RECORD, as UTF-8 lines:
// "command=" the command line, "directory=" the working directory, "show=" the show command
// from the start-up information (-1 without one). The file appears whole or not at all.
#include <windows.h>

#include <string>

#include "platform/win32/Utf.h"

namespace {

std::wstring Variable(const wchar_t* name) {
    const DWORD n = GetEnvironmentVariableW(name, nullptr, 0);
    if (n == 0) return {};
    std::wstring value(n, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), n));
    return value;
}

std::wstring CurrentDirectory() {
    const DWORD n = GetCurrentDirectoryW(0, nullptr);
    std::wstring dir(n, L'\0');
    dir.resize(GetCurrentDirectoryW(n, dir.data()));
    return dir;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::wstring target = Variable(L"BRISALTO_RECORD");
    if (target.empty()) return 2;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    const std::string record = "command=" + win32::Narrow(GetCommandLineW()) + "\n" +
                               "directory=" + win32::Narrow(CurrentDirectory()) + "\n" +
                               "show=" + std::to_string(show) + "\n";
    const std::wstring temporary = target + L".part";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != record.size()) return 1;
    return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
