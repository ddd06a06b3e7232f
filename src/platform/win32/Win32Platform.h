// The real platform: every port on its Win32 adapter.
#pragma once

#include "platform/win32/Icons.h"
#include "platform/win32/RegistryStore.h"
#include "platform/win32/Shell.h"
#include "platform/win32/WindowSystem.h"

namespace win32 {

class Win32Platform : public plat::IPlatform {
  public:
    plat::ISettingsStore& Store() override { return m_store; }
    plat::IWindowSystem& Windows() override { return m_windows; }
    plat::IShell& Shell() override { return m_shell; }
    plat::IIcons& Icons() override { return m_icons; }

  private:
    RegistryStore m_store;
    WindowSystem m_windows;
    win32::Shell m_shell;
    win32::Icons m_icons;
};

}  // namespace win32
