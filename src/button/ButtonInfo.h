// One launch entry, copied whole wherever it travels. The option word travels beside it.
#pragma once

#include <string>

#include "platform/Dpi.h"
#include "platform/Types.h"

struct ButtonInfo {
    plat::Dip size;
    // Where it stands, as stored: its corner in screen pixels and its extent from there in 96-dpi
    // units, so that a change of scale leaves the entry as it was.
    plat::Point at;
    plat::DipSize extent;
    std::string title;
    std::string appName;
    std::string dir;
    std::string parm;
    int showMode = 0;
    std::string iconFile;
    int iconIndex = 0;

    friend bool operator==(const ButtonInfo&, const ButtonInfo&) = default;
};

inline constexpr plat::Dip kDefaultButtonSize{36};
// Bit 0 of the option word keeps a button above all other windows.
inline constexpr int kOptionTopmost = 1;

// Flips bit 0 only, so whatever else the stored word carries survives.
inline int ToggleTopmost(int option) { return (option & kOptionTopmost) ? option - 1 : option + 1; }
