#include "edit/LoadIcon.h"

#include "button/PathSplit.h"

void CLoadIcon::Create(int isSmall) {
    m_bSmall = isSmall;
    m_nIcons = 0;
    m_imageList = m_icons.CreateImageList(isSmall ? kSmallIconSize : kLargeIconSize);
}

void CLoadIcon::SetFile(std::string path) {
    m_file = std::move(path);
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
    return m_icons.ShellIcon(m_file, m_bSmall != 0);
}

plat::Icon CLoadIcon::GetIcon(int index) {
    plat::Icon icon;
    if (IsModule()) icon = m_icons.ModuleIcon(m_file, index, m_bSmall != 0);
    if (!icon) icon = ShellIcon();
    // The platform's sizes follow the display; the list brings every icon to ours.
    return m_icons.Normalize(m_imageList, icon);
}
