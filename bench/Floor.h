// The floor of the start-up benchmark: the least work that shows N stored buttons. It opens the
// program's store, reads each button's "AppName" and "Data", extracts that file's 32 x 32 icon,
// makes one 35 x 35 popup per entry at its stored place with the icon drawn, and shows them all.
#pragma once

#include <windows.h>

namespace bench {

// Seconds spent in each step, summed over all entries.
struct FloorSteps {
    double store = 0, icon = 0, window = 0, placement = 0, paint = 0;
    int shown = 0;
};

inline constexpr wchar_t kFloorClass[] = L"BenchFloor";
inline constexpr wchar_t kFloorOwner[] = L"BenchFloorOwner";

// The floor's window class: a bare popup that draws the icon kept in its user data.
void RegisterFloorClass(HINSTANCE instance);

// Shows the stored entries; returns the hidden owner of their windows (destroying it takes them
// all with it).
HWND ShowFloor(HINSTANCE instance, FloorSteps& steps);

}  // namespace bench
