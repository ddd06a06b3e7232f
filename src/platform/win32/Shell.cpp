#include "platform/win32/Shell.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/win32/Handles.h"
#include "platform/win32/Utf.h"

namespace win32 {

namespace {

const wchar_t* OrNull(const std::wstring& s) { return s.empty() ? nullptr : s.c_str(); }

// The system's sentence for an error, without the line break it ends with.
std::string Reason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason(text != nullptr ? text : L"", length);
    LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r')) reason.pop_back();
    return Narrow(reason);
}

// The one rule of what a start came to. A refused elevation is the user's answer; any other
// failed call is a failure, whatever instance value the shell left behind.
plat::StartOutcome Outcome(bool succeeded, DWORD error) {
    if (succeeded) return plat::StartOutcome::Started();
    if (error == ERROR_CANCELLED) return plat::StartOutcome::Cancelled();
    return plat::StartOutcome::Failed(Reason(error));
}

}  // namespace

// The Ex form, because only it tells a refused elevation (ERROR_CANCELLED) from a failure.
plat::StartOutcome Shell::Execute(plat::WindowRef owner, std::string_view verb,
                                  std::string_view file, std::string_view parameters,
                                  std::string_view directory, int showCommand) {
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
    const bool started = ShellExecuteExW(&info) != FALSE;
    return Outcome(started, started ? ERROR_SUCCESS : GetLastError());
}

// WinExec has no Unicode form, and its ANSI line would lose every character outside the code
// page. This starts the same line the way WinExec does: started once the process is under way.
plat::StartOutcome Shell::RunCommandLine(std::string_view commandLine, int showCommand) {
    std::wstring line = Widen(commandLine);  // CreateProcessW may write into the line
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return Outcome(false, GetLastError());
    }
    const KernelHandle thread(process.hThread), started(process.hProcess);
    return Outcome(true, ERROR_SUCCESS);
}

}  // namespace win32
