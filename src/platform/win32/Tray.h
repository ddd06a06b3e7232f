// The notification-area icon on SHELL32.
#pragma once

#include "platform/Platform.h"

namespace win32 {

class Tray : public plat::ITray {
  public:
    bool Show(plat::WindowRef window, const plat::Icon& icon, std::string_view tip) override;
    bool ChangeTip(std::string_view tip) override;
    bool Remove() override;
    bool ReturnFocus() override;

  private:
    plat::WindowRef m_window;  // the icon's owner, once shown
};

}  // namespace win32
