// The notification-area port: one icon of the program's in the taskbar's notification area.
#pragma once

#include <string_view>

#include "platform/Types.h"

namespace plat {

// Mouse and keyboard events of the notification icon, as its owner hears them.
namespace tray {
inline constexpr int kLButtonDblClk = 515;
inline constexpr int kRButtonDown = 516;
// The shell follows it with a kContextMenu of its own.
inline constexpr int kRButtonUp = 517;
// Shift+F10 or the menu key on the icon, and the release of a right click.
inline constexpr int kContextMenu = 0x7B;
// Enter or Space on the icon.
inline constexpr int kKeySelect = 0x401;
}  // namespace tray

// The program's one icon in the notification area. Its mouse and the keys pressed on it reach
// `window` as OnTrayEvent, with the point they concern: the pointer's, or the icon's for a key.
// Each call says whether the shell took it.
class ITray {
  public:
    virtual ~ITray() = default;
    // Puts the icon there, or back after the shell made its notification area anew; the shell
    // keeps its own copy of the picture.
    virtual bool Show(WindowRef window, const Icon& icon, std::string_view tip) = 0;
    virtual bool ChangeTip(std::string_view tip) = 0;
    virtual bool Remove() = 0;
    // Gives the keyboard back to the notification area, after a menu the keyboard opened there.
    virtual bool ReturnFocus() = 0;
};

}  // namespace plat
