#include "RealFiles.h"

namespace real {

std::wstring BuildDir() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::wstring SystemDir() {
    const UINT n = GetSystemDirectoryW(nullptr, 0);
    std::wstring dir(n, L'\0');
    dir.resize(GetSystemDirectoryW(dir.data(), n));
    return dir + L"\\";
}

namespace {

// std::filesystem::remove_all stops at the old path limit under Wine; the \\?\ form does not.
void RemoveTree(const std::wstring& dir) {
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW((L"\\\\?\\" + dir + L"*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = dir + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + L"\\");
            } else {
                DeleteFileW((L"\\\\?\\" + path).c_str());
            }
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW((L"\\\\?\\" + dir).c_str());
}

}  // namespace

Scratch::Scratch() {
    const DWORD n = GetTempPathW(0, nullptr);
    std::wstring temp(n, L'\0');
    temp.resize(GetTempPathW(n, temp.data()));
    m_path = temp + L"brisalto-test-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    RemoveTree(m_path);
    std::filesystem::create_directories(m_path);
}

Scratch::~Scratch() { RemoveTree(m_path); }

std::wstring Scratch::Folder(const std::wstring& relative) const {
    const std::wstring path = m_path + relative + L"\\";
    std::filesystem::create_directories(path);
    return path;
}

std::wstring Scratch::Copy(const std::wstring& source, const std::wstring& relative) const {
    const std::wstring target = m_path + relative;
    std::filesystem::create_directories(std::filesystem::path(target).parent_path());
    std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing);
    return target;
}

std::wstring LongFolderBelow(const std::wstring& base) {
    std::wstring name;
    while (base.size() + name.size() < 280) name += L"長いフォルダ名 long folder name\\";
    name.pop_back();
    return name;
}

}  // namespace real
