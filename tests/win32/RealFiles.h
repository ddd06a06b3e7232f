// Real files for the Win32 tests: what the build put beside the test program, and a scratch
// folder that holds copies of them under names in several scripts and of any length.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

namespace real {

// The folder of the running test program, with a trailing backslash.
std::wstring BuildDir();
std::wstring SystemDir();  // ...\system32\ with a trailing backslash

// A fresh folder below the temporary folder, removed with everything in it when this goes.
class Scratch {
  public:
    Scratch();
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const std::wstring& Path() const { return m_path; }  // with a trailing backslash
    // Makes the folder `relative` (and its parents) below this one; its path with a backslash.
    std::wstring Folder(const std::wstring& relative) const;
    // Copies `source` to `relative`; the copy's full path.
    std::wstring Copy(const std::wstring& source, const std::wstring& relative) const;

  private:
    std::wstring m_path;
};

// A folder name that makes a path longer than 259 characters when put below `base`.
std::wstring LongFolderBelow(const std::wstring& base);

}  // namespace real
