#include "platform/win32/Icons.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

// The image list interface's identifier is defined here: the import libraries lack it.
#include <initguid.h>

#include <commoncontrols.h>

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

// The shell's extra-large list.
constexpr int kExtraLargeSide = 48;

}  // namespace

int Icons::CountIcons(std::string_view module) {
    const std::wstring path = ShellPath(module);
    const UINT count = ExtractIconExW(path.c_str(), -1, nullptr, nullptr, 1);
    return count == UINT_MAX ? 0 : static_cast<int>(count);  // UINT_MAX: could not read it
}

plat::Icon Icons::ModuleIcon(std::string_view module, int index, int size) {
    // -1 counts instead of extracting; below -65535 no identifier is named.
    if (index == -1 || index < -0xFFFF) return {};
    const std::wstring path = ShellPath(module);
    HICON icon = nullptr;
    if (size == kLargeSide || size == kSmallSide) {
        // Only the size we want is asked for, and the handle is taken only when the call says it
        // made one: after a failure Wine leaves stale values in the places it was given.
        const bool isSmall = size == kSmallSide;
        const UINT made = ExtractIconExW(path.c_str(), index, isSmall ? nullptr : &icon,
                                         isSmall ? &icon : nullptr, 1);
        if (made == 0 || made == UINT_MAX) return {};
        return OwnIcon(icon);
    }
    // Any other size straight from the image of the file that suits it, so a large face gets
    // the file's large picture rather than the system size blown up.
    UINT id = 0;
    const UINT made = PrivateExtractIconsW(path.c_str(), index, size, size, &icon, &id, 1, 0);
    if (made == 0 || made == UINT_MAX || icon == nullptr) return {};
    return OwnIcon(icon);
}

namespace {

// The icon group at `index` in the order the icon calls count them, or the group whose
// identifier an index below -1 names.
struct GroupSearch {
    int wanted = 0;
    int seen = 0;
    LPWSTR name = nullptr;
    std::wstring kept;
};

BOOL CALLBACK NextGroup(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
    auto* search = reinterpret_cast<GroupSearch*>(param);
    if (search->seen++ != search->wanted) return TRUE;
    if (IS_INTRESOURCE(name)) {
        search->name = name;
    } else {
        search->kept = name;
        search->name = search->kept.data();
    }
    return FALSE;
}

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupHeader {
    WORD reserved, type, count;
};
#pragma pack(pop)

}  // namespace

int Icons::LargestImage(std::string_view module, int index) {
    // -1 counts; below -65535 no identifier is named (and -INT_MIN would overflow).
    if (index == -1 || index < -0xFFFF) return 0;
    const std::wstring path = ShellPath(module);
    const Library library(LoadLibraryExW(
        path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!library) return 0;
    HMODULE file = library.get();
    GroupSearch search;
    search.wanted = index;
    LPCWSTR name = nullptr;
    if (index < -1) {
        name = MAKEINTRESOURCEW(-index);
    } else {
        EnumResourceNamesW(file, RT_GROUP_ICON, NextGroup, reinterpret_cast<LONG_PTR>(&search));
        name = search.name;
    }
    int largest = 0;
    HRSRC found = name != nullptr ? FindResourceW(file, name, RT_GROUP_ICON) : nullptr;
    const DWORD bytes = found != nullptr ? SizeofResource(file, found) : 0;
    const auto* header =
        found != nullptr ? static_cast<const GroupHeader*>(LockResource(LoadResource(file, found)))
                         : nullptr;
    if (header != nullptr && bytes >= sizeof(GroupHeader)) {
        const std::size_t fits = (bytes - sizeof(GroupHeader)) / sizeof(GroupEntry);
        const auto* entries = reinterpret_cast<const GroupEntry*>(header + 1);
        for (std::size_t i = 0; i < header->count && i < fits; ++i) {
            const int side = entries[i].width == 0 ? 256 : entries[i].width;  // 0 stands for 256
            if (side > largest) largest = side;
        }
    }
    return largest;
}

plat::Icon Icons::ShellIcon(std::string_view path, int size) {
    const std::wstring wPath = ShellPath(path);
    SHFILEINFOW info{};
    if (size >= kExtraLargeSide) {
        // The shell keeps its extra-large pictures in a list of their own.
        IImageList* list = nullptr;
        if (SHGetFileInfoW(wPath.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX) != 0 &&
            SUCCEEDED(
                SHGetImageList(SHIL_EXTRALARGE, IID_IImageList, reinterpret_cast<void**>(&list))) &&
            list != nullptr) {
            HICON icon = nullptr;
            list->GetIcon(info.iIcon, ILD_TRANSPARENT, &icon);
            list->Release();
            if (icon != nullptr) return OwnIcon(icon);
        }
    }
    const UINT flags = SHGFI_ICON | (size <= kSmallSide ? SHGFI_SMALLICON : 0);
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
