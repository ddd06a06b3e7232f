// Turns a file and an icon index into one icon of one size: 32 x 32 or 16 x 16 pixels, or on a
// screen of a larger scale the size that fits the place it is shown in.
#pragma once

#include <string>
#include <string_view>

#include "platform/Platform.h"

class CLoadIcon {
  public:
    explicit CLoadIcon(plat::IPlatform& platform)
        : m_icons(platform.Icons()), m_system(platform.System()) {}

    // Once, before anything else; nonzero `isSmall` makes 16 x 16 icons, or the same sizes of a
    // screen of `dpi`.
    void Create(int isSmall, int dpi = plat::kBaseDpi);
    // Instead of Create: icons of `size` x `size` pixels.
    void CreateAt(int size);
    // The size to load icon `index` of the current file at when `room` pixels are free for it.
    int FittingSize(int index, int room);
    // A path as stored: one in its travelling form (%SystemRoot%\..., \Tools\...) is read where
    // it stands on this PC.
    void SetFile(std::string_view path);
    int GetIconCount() const { return m_nIcons; }
    // A new icon that belongs to the caller; none when neither the file nor the shell has one.
    plat::Icon GetIcon(int index);

  private:
    bool IsModule() const;
    plat::Icon ShellIcon();

    plat::IIcons& m_icons;
    plat::ISystem& m_system;
    int m_size = 0;
    int m_nIcons = 0;
    plat::ImageList m_imageList;
    std::string m_file;
    std::string m_ext;
};

inline constexpr int kLargeIconSize = 32;
inline constexpr int kSmallIconSize = 16;

// Whether the icon calls can take `index`: a position from 0, or below -1 the identifier of an
// icon resource, which has 16 bits. -1 only counts the icons; below -65535 no resource is named.
inline bool UsableIconIndex(int index) { return index >= 0 || (index < -1 && index >= -0xFFFF); }

// The largest of the sizes icons are drawn in that fits `room` and that the file's largest picture
// (`largest`; 0 when not known) reaches, so a picture is only ever made smaller, never blown up;
// a file of small pictures still gives the large size, as on a 96-dpi screen.
int FittingIconSize(int room, int largest);
