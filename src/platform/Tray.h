// The notification-area port: one icon of the program's in the taskbar's notification area.
#pragma once

#include <string>

#include "platform/Types.h"

namespace plat {

// Mouse events of the notification icon, as its callback message carries them.
namespace tray {
inline constexpr int kLButtonDblClk = 515;
inline constexpr int kRButtonDown = 516;
}  // namespace tray

// The notification-area icon.
struct TrayIconData {
    WindowRef window;
    unsigned id = 0;
    unsigned flags = 0;
    unsigned callbackMessage = 0;
    const Icon* icon = nullptr;
    std::string tip;
};
enum class TrayAction { Add, Delete };

class ITray {
  public:
    virtual ~ITray() = default;
    virtual bool Notify(TrayAction action, const TrayIconData& data) = 0;
};

}  // namespace plat
