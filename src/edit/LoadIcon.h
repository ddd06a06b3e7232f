// Turns a file and an icon index into one icon of exactly 32 x 32 or 16 x 16 pixels.
#pragma once

#include <string>

#include "platform/Platform.h"

class CLoadIcon {
  public:
    explicit CLoadIcon(plat::IPlatform& platform) : m_icons(platform.Icons()) {}

    // Once, before anything else; nonzero `isSmall` makes 16 x 16 icons.
    void Create(int isSmall);
    void SetFile(std::string path);
    int GetIconCount() const { return m_nIcons; }
    // A new icon that belongs to the caller; none when neither the file nor the shell has one.
    plat::Icon GetIcon(int index);

  private:
    bool IsModule() const;
    plat::Icon ShellIcon();

    plat::IIcons& m_icons;
    int m_bSmall = 0;
    int m_nIcons = 0;
    plat::ImageList m_imageList;
    std::string m_file;
    std::string m_ext;
};

inline constexpr int kLargeIconSize = 32;
inline constexpr int kSmallIconSize = 16;
