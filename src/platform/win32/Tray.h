// The notification-area icon on SHELL32.
#pragma once

#include "platform/Platform.h"

namespace win32 {

class Tray : public plat::ITray {
  public:
    bool Notify(plat::TrayAction action, const plat::TrayIconData& data) override;
};

}  // namespace win32
