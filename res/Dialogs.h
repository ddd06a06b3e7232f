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

// The settings dialog of one entry.
inline constexpr int kSetTitle = 1007;
inline constexpr int kSetPath = 1008;
inline constexpr int kSetDir = 1009;
inline constexpr int kSetParm = 1010;
inline constexpr int kSetShowMode = 1011;
inline constexpr int kSetChangeIcon = 1004;
inline constexpr int kSetBrowse = 1012;
inline constexpr int kSetPreview = 1026;

// The icon change dialog.
inline constexpr int kIconBrowse = 1016;
inline constexpr int kIconPrevious = 1017;
inline constexpr int kIconNext = 1018;
inline constexpr int kIconFile = 1019;
inline constexpr int kIconPreview = 1020;
inline constexpr int kIconDefault = 1021;

const plat::DialogTemplate& About();
const plat::DialogTemplate& Order();
const plat::DialogTemplate& Setting();
const plat::DialogTemplate& IconChange();
const plat::DialogTemplate& ButtonSize();

// The clock settings dialog.
inline constexpr int kWatchTextColour = 1027;
inline constexpr int kWatchBackColour = 1028;
inline constexpr int kWatchFont = 1029;
inline constexpr int kWatchTopmost = 1030;
inline constexpr int kWatchPreview = 1031;
// Never seen: its bottom edge bounds the band the preview is centred in.
inline constexpr int kWatchPreviewBound = 1032;

const plat::DialogTemplate& WatchSet();

// The hotkey dialog: the hot-key control, the button that clears it and the line that says
// whether another program holds the key.
inline constexpr int kHotkeyKey = 1033;
inline constexpr int kHotkeyClear = 1034;
inline constexpr int kHotkeyState = 1035;

const plat::DialogTemplate& Hotkey();

}  // namespace dlg
