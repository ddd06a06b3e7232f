// The notification-area port: one icon of the program's in the taskbar's notification area.
#pragma once

#include <string_view>

#include "platform/Types.h"

namespace plat {

// Mouse events of the notification icon, as its owner hears them.
namespace tray {
inline constexpr int kLButtonDblClk = 515;
inline constexpr int kRButtonDown = 516;
}  // namespace tray

// The program's one icon in the notification area. Its mouse reaches `window` as OnTrayEvent.
// Each call says whether the shell took it.
class ITray {
  public:
    virtual ~ITray() = default;
    // Puts the icon there, or back after the shell made its notification area anew; the shell
    // keeps its own copy of the picture.
    virtual bool Show(WindowRef window, const Icon& icon, std::string_view tip) = 0;
    virtual bool ChangeTip(std::string_view tip) = 0;
    virtual bool Remove() = 0;
};

}  // namespace plat
