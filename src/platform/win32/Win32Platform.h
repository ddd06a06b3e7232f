// The real platform: every port on its Win32 adapter.
#pragma once

#include "platform/win32/RegistryStore.h"
#include "platform/win32/WindowSystem.h"

namespace win32 {

class Win32Platform : public plat::IPlatform {
  public:
    plat::ISettingsStore& Store() override { return m_store; }
    plat::IWindowSystem& Windows() override { return m_windows; }
    plat::ITray& Tray() override { return m_tray; }

  private:
    RegistryStore m_store;
    WindowSystem m_windows;
    win32::Tray m_tray;
};

}  // namespace win32
