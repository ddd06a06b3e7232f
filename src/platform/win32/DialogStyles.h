// The style bits that dialog templates are written in, as the window system defines them. The
// templates are data shared with the fake, so these are plain numbers, not <windows.h>.
#pragma once

namespace dlgstyle {
inline constexpr unsigned kPopup = 0x80000000;
inline constexpr unsigned kDisabled = 0x08000000;
inline constexpr unsigned kBorder = 0x00800000;
inline constexpr unsigned kCaption = 0x00C00000;
inline constexpr unsigned kVScroll = 0x00200000;
inline constexpr unsigned kSysMenu = 0x00080000;
inline constexpr unsigned kGroup = 0x00020000;
inline constexpr unsigned kTabStop = 0x00010000;
inline constexpr unsigned kExAcceptFiles = 0x00000010;
// Dialog, static and button styles.
inline constexpr unsigned kDsSetFont = 0x40;
inline constexpr unsigned kDsModalFrame = 0x80;
inline constexpr unsigned kDsCenter = 0x800;
inline constexpr unsigned kSsCenter = 0x1;
inline constexpr unsigned kSsRight = 0x2;
inline constexpr unsigned kSsIcon = 0x3;
inline constexpr unsigned kSsSunken = 0x1000;
inline constexpr unsigned kBsPushButton = 0x0;
inline constexpr unsigned kBsDefPushButton = 0x1;
inline constexpr unsigned kBsAutoCheckBox = 0x3;
inline constexpr unsigned kBsGroupBox = 0x7;
}  // namespace dlgstyle
