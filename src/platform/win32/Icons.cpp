#include "platform/win32/Icons.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <climits>

#include "platform/win32/Handles.h"
#include "platform/win32/Utf.h"

namespace win32 {

namespace {

void ReleaseList(std::uintptr_t value) { ImageList_Destroy(reinterpret_cast<HIMAGELIST>(value)); }

HICON ToHicon(const plat::Icon& icon) { return reinterpret_cast<HICON>(icon.Get()); }
HIMAGELIST ToHimagelist(const plat::ImageList& list) {
    return reinterpret_cast<HIMAGELIST>(list.Get());
}

// The shell's icon calls copy the path into buffers of the old limit and fail past it; the
// short form of a long path usually fits.
std::wstring ShellPath(std::string_view utf8) {
    std::wstring path = Widen(utf8);
    if (path.size() < MAX_PATH) return path;
    const DWORD n = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (n == 0) return path;
    std::wstring shortPath(n, L'\0');
    const DWORD written = GetShortPathNameW(path.c_str(), shortPath.data(), n);
    if (written == 0 || written >= n) return path;
    shortPath.resize(written);
    return shortPath;
}

}  // namespace

int Icons::CountIcons(std::string_view module) {
    const std::wstring path = ShellPath(module);
    const UINT count = ExtractIconExW(path.c_str(), -1, nullptr, nullptr, 1);
    return count == UINT_MAX ? 0 : static_cast<int>(count);  // UINT_MAX: could not read it
}

plat::Icon Icons::ModuleIcon(std::string_view module, int index, bool isSmall) {
    if (index == -1) return {};  // that index counts instead of extracting
    const std::wstring path = ShellPath(module);
    // Only the size we want is asked for, and the handle is taken only when the call says it
    // made one: after a failure Wine leaves stale values in the places it was given.
    HICON icon = nullptr;
    const UINT made = ExtractIconExW(path.c_str(), index, isSmall ? nullptr : &icon,
                                     isSmall ? &icon : nullptr, 1);
    if (made == 0 || made == UINT_MAX) return {};
    return OwnIcon(icon);
}

plat::Icon Icons::ShellIcon(std::string_view path, bool isSmall) {
    const std::wstring wPath = ShellPath(path);
    SHFILEINFOW info{};
    const UINT flags = SHGFI_ICON | (isSmall ? SHGFI_SMALLICON : 0);
    if (SHGetFileInfoW(wPath.c_str(), 0, &info, sizeof info, flags) == 0) return {};
    return OwnIcon(info.hIcon);
}

plat::ImageList Icons::CreateImageList(int size) {
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLORDDB | ILC_MASK, 0, 0);
    return plat::ImageList(reinterpret_cast<std::uintptr_t>(list), ReleaseList);
}

plat::Icon Icons::Normalize(plat::ImageList& list, const plat::Icon& icon) {
    HIMAGELIST himl = ToHimagelist(list);
    if (himl == nullptr) return {};
    if (ImageList_GetImageCount(himl) > 0) ImageList_Remove(himl, 0);
    if (!icon) return {};
    if (ImageList_ReplaceIcon(himl, -1, ToHicon(icon)) < 0) return {};
    return OwnIcon(ImageList_GetIcon(himl, 0, ILD_NORMAL));
}

}  // namespace win32
