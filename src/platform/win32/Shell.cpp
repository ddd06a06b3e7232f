#include "platform/win32/Shell.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/win32/Handles.h"
#include "platform/win32/Utf.h"

namespace win32 {

namespace {
const wchar_t* OrNull(const std::wstring& s) { return s.empty() ? nullptr : s.c_str(); }
}  // namespace

// The Ex form, because only it tells a refused elevation (ERROR_CANCELLED) from a failure.
int Shell::Execute(plat::WindowRef owner, std::string_view verb, std::string_view file,
                   std::string_view parameters, std::string_view directory, int showCommand) {
    const std::wstring wVerb = Widen(verb);
    const std::wstring wFile = Widen(file);
    const std::wstring wParameters = Widen(parameters);
    const std::wstring wDirectory = Widen(directory);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;  // as ShellExecute: failures are ours to report
    info.hwnd = ToHwnd(owner);
    info.lpVerb = OrNull(wVerb);
    info.lpFile = wFile.c_str();
    info.lpParameters = OrNull(wParameters);
    info.lpDirectory = OrNull(wDirectory);
    info.nShow = showCommand;
    if (!ShellExecuteExW(&info)) {
        if (GetLastError() == ERROR_CANCELLED) return kCancelled;
        const auto code = reinterpret_cast<INT_PTR>(info.hInstApp);
        return code <= 32 ? static_cast<int>(code) : SE_ERR_ACCESSDENIED;
    }
    return static_cast<int>(reinterpret_cast<INT_PTR>(info.hInstApp));
}

// WinExec has no Unicode form, and its ANSI line would lose every character outside the code
// page. This starts the same line the way WinExec does and answers by its rule: 33 once the
// process is under way, else the loader's error below 32.
int Shell::RunCommandLine(std::string_view commandLine, int showCommand) {
    std::wstring line = Widen(commandLine);  // CreateProcessW may write into the line
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        const DWORD error = GetLastError();
        return error < 32 ? static_cast<int>(error) : ERROR_BAD_FORMAT;
    }
    const KernelHandle thread(process.hThread), started(process.hProcess);
    return 33;
}

}  // namespace win32
