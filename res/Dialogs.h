// The dialog templates, as data.
#pragma once

#include "platform/Platform.h"

namespace dlg {

// The about box's version line, filled in when it opens.
inline constexpr int kAboutVersion = 1101;

// The size edit and its up-down control, in the size dialog and in the settings dialog.
inline constexpr int kSizeEdit = 1000;
inline constexpr int kSizeSpin = 1001;
inline constexpr int kMinButtonSize = 15;
inline constexpr int kMaxButtonSize = 200;

// The order dialog's list and its two move buttons.
inline constexpr int kOrderList = 1023;
inline constexpr int kOrderUp = 1024;
inline constexpr int kOrderDown = 1025;

const plat::DialogTemplate& About();
const plat::DialogTemplate& Order();
const plat::DialogTemplate& ButtonSize();
const plat::DialogTemplate& Button();

// The clock settings dialog.
inline constexpr int kWatchTextColour = 1027;
inline constexpr int kWatchBackColour = 1028;
inline constexpr int kWatchFont = 1029;
inline constexpr int kWatchTopmost = 1030;
inline constexpr int kWatchPreview = 1031;
// Never seen: its bottom edge bounds the band the preview is centred in.
inline constexpr int kWatchPreviewBound = 1032;

const plat::DialogTemplate& WatchSet();

}  // namespace dlg
