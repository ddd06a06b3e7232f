// One launch entry, copied whole wherever it travels. The option word travels beside it.
#pragma once

#include <string>

#include "platform/Types.h"

struct ButtonInfo {
    int size = 0;
    plat::Rect rect;
    std::string title;
    std::string appName;
    std::string dir;
    std::string parm;
    int showMode = 0;
    std::string iconFile;
    int iconIndex = 0;

    friend bool operator==(const ButtonInfo&, const ButtonInfo&) = default;
};

inline constexpr int kDefaultButtonSize = 36;
// Bit 0 of the option word keeps a button above all other windows.
inline constexpr int kOptionTopmost = 1;

// Flips bit 0 only, so whatever else the stored word carries survives.
inline int ToggleTopmost(int option) { return (option & kOptionTopmost) ? option - 1 : option + 1; }
