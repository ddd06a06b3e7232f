#include "platform/win32/FileSettingsStore.h"

#include <windows.h>

#include "platform/win32/Handles.h"
#include "platform/win32/System.h"

namespace win32 {

namespace {

constexpr const wchar_t* kFileName = L"Brisalto.ini";
constexpr const wchar_t* kNewSuffix = L".new";
// An editor, a sync client or a virus scanner holds the file for a moment; a change waits for
// it this long at most, then stays in memory for the next one.
constexpr int kAttempts = 5;
constexpr DWORD kPause = 20;

template <class Step>
bool WithRetries(Step step) {
    for (int attempt = 0;; ++attempt) {
        if (step()) return true;
        const DWORD error = GetLastError();
        if (attempt + 1 == kAttempts ||
            (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED &&
             error != ERROR_LOCK_VIOLATION && error != ERROR_UNABLE_TO_REMOVE_REPLACED &&
             error != ERROR_UNABLE_TO_MOVE_REPLACEMENT)) {
            return false;
        }
        Sleep(kPause);
    }
}

std::wstring Folder(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

HANDLE OpenForReading(const std::wstring& path) {
    // Others may go on reading and writing it, and even rename it, while we read.
    return CreateFileW(path.c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// What a kill inside a save left beside the settings file. Before the replace, a new file that may
// be cut short: it goes. Inside a replace that had moved the old file away, the new one alone,
// whole, for it was flushed before the replace began: it takes the settings file's place.
void FinishInterruptedSave(const std::wstring& path) {
    const std::wstring fresh = path + kNewSuffix;
    if (!IsFile(fresh)) return;
    if (IsFile(path)) {
        DeleteFileW(fresh.c_str());
    } else {
        MoveFileExW(fresh.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
    }
}

}  // namespace

std::wstring FileSettingsStore::PortableFile() {
    const std::wstring program = ModulePath();
    return program.empty() ? std::wstring() : SettingsFileIn(Folder(program));
}

std::wstring FileSettingsStore::SettingsFileIn(const std::wstring& folder) {
    const std::wstring path = folder + kFileName;
    FinishInterruptedSave(path);
    return IsFile(path) ? path : std::wstring();
}

std::wstring FileSettingsStore::NewFilePath() const { return m_path + kNewSuffix; }

FileStore::Load FileSettingsStore::LoadBytes(std::string& bytes) {
    HANDLE opened = INVALID_HANDLE_VALUE;
    const bool found = WithRetries([&] {
        opened = OpenForReading(m_path);
        return opened != INVALID_HANDLE_VALUE;
    });
    if (!found) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Load::Missing
                                                                              : Load::Failed;
    }
    const KernelHandle file(opened);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return Load::Failed;
    if (size.QuadPart > static_cast<LONGLONG>(kMaxSettingsFileBytes)) return Load::TooLarge;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t got = 0;
    while (got < bytes.size()) {
        DWORD n = 0;
        if (!ReadFile(file.get(), bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &n,
                      nullptr)) {
            return Load::Failed;
        }
        if (n == 0) break;  // it shrank while we read
        got += n;
    }
    bytes.resize(got);
    return Load::Found;
}

bool FileSettingsStore::CanWrite() {
    const DWORD attributes = GetFileAttributesW(m_path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    // Whether the folder takes a new file, which every save makes.
    const std::wstring probe = m_path + L".probe";
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

bool FileSettingsStore::WriteNewFile(std::string_view bytes) {
    const std::wstring path = NewFilePath();
    HANDLE opened = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    bool written = true;
    {
        const KernelHandle file(opened);
        std::size_t done = 0;
        while (written && done < bytes.size()) {
            DWORD n = 0;
            written = WriteFile(file.get(), bytes.data() + done,
                                static_cast<DWORD>(bytes.size() - done), &n, nullptr) &&
                      n > 0;
            done += n;
        }
        // On the disk before it takes the old file's place, or a power cut could leave the
        // new name on a file without its contents.
        written = written && FlushFileBuffers(file.get());
    }
    if (!written) DeleteFileW(path.c_str());
    return written;
}

bool FileSettingsStore::ReplaceWithNewFile() {
    const std::wstring fresh = NewFilePath();
    const bool replaced = WithRetries([&] {
        // One rename over the old file: the file system swaps the name over in one step.
        if (MoveFileExW(fresh.c_str(), m_path.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        // A reader that lets others delete the file still bars a rename over it; ReplaceFileW
        // moves the held file aside instead. Not in one step everywhere (Wine's moves the old
        // file away first), which is why it comes second and a start finishes what it began.
        if (GetLastError() != ERROR_ACCESS_DENIED) return false;
        return ReplaceFileW(m_path.c_str(), fresh.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                            nullptr, nullptr) != FALSE;
    });
    if (!replaced) DeleteFileW(fresh.c_str());
    return replaced;
}

bool FileSettingsStore::SaveBytes(std::string_view bytes) {
    return WriteNewFile(bytes) && ReplaceWithNewFile();
}

}  // namespace win32
