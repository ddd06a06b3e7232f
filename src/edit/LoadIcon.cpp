#include "edit/LoadIcon.h"

#include <algorithm>
#include <array>

#include "button/PathForms.h"
#include "button/PathSplit.h"

namespace {
// The sizes icon files and the shell keep their pictures in.
constexpr std::array kIconSizes = {16, 24, 32, 48, 64, 96, 128, 256};
// The largest picture the shell hands out for a file that is not a module.
constexpr int kShellLargest = 48;
}  // namespace

int FittingIconSize(int room, int largest) {
    const int limit = std::min(room, std::max(largest, kLargeIconSize));
    int fitting = kIconSizes.front();
    for (int size : kIconSizes) {
        if (size <= limit) fitting = size;
    }
    return fitting;
}

void CLoadIcon::Create(int isSmall, int dpi) {
    CreateAt(plat::ToPx(plat::Dip(isSmall ? kSmallIconSize : kLargeIconSize), dpi).value);
}

void CLoadIcon::CreateAt(int size) {
    m_size = size;
    m_nIcons = 0;
    m_imageList = m_icons.CreateImageList(size);
}

int CLoadIcon::FittingSize(int index, int room) {
    int largest = kShellLargest;
    if (IsModule()) largest = UsableIconIndex(index) ? m_icons.LargestImage(m_file, index) : 0;
    return FittingIconSize(room, largest);
}

void CLoadIcon::SetFile(std::string_view path) {
    m_file = UsablePath(m_system, path);
    m_ext = SplitPath(m_file).ext;
    m_nIcons = IsModule() ? m_icons.CountIcons(m_file) : 1;
}

bool CLoadIcon::IsModule() const {
    return EqualsNoCase(m_ext, ".exe") || EqualsNoCase(m_ext, ".dll");
}

plat::Icon CLoadIcon::ShellIcon() {
    // From here on the file offers just the one icon the shell shows for it.
    m_nIcons = 1;
    // An empty path names no file; the shell would answer with some folder's icon.
    if (m_file.empty()) return {};
    return m_icons.ShellIcon(m_file, m_size);
}

plat::Icon CLoadIcon::GetIcon(int index) {
    plat::Icon icon;
    if (IsModule() && UsableIconIndex(index)) icon = m_icons.ModuleIcon(m_file, index, m_size);
    if (!icon) icon = ShellIcon();
    // The platform's sizes follow the display; the list brings every icon to ours.
    return m_icons.Normalize(m_imageList, icon);
}
