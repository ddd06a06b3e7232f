// The real platform: every port on its Win32 adapter.
#pragma once

#include <windows.h>

#include "platform/win32/Graphics.h"
#include "platform/win32/Icons.h"
#include "platform/win32/RegistryStore.h"
#include "platform/win32/Shell.h"
#include "platform/win32/WindowSystem.h"

#include <ctime>

namespace win32 {

class Clock : public plat::IClock {
  public:
    plat::LocalTime Now() override {
        SYSTEMTIME t;
        GetLocalTime(&t);
        return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
    }
    std::int64_t CalendarSeconds() override {
        return static_cast<std::int64_t>(std::time(nullptr));
    }
};

class Win32Platform : public plat::IPlatform {
  public:
    plat::ISettingsStore& Store() override { return m_store; }
    plat::IWindowSystem& Windows() override { return m_windows; }
    plat::ITray& Tray() override { return m_tray; }
    plat::IGraphics& Graphics() override { return m_graphics; }
    plat::IClock& Clock() override { return m_clock; }
    plat::IShell& Shell() override { return m_shell; }
    plat::IIcons& Icons() override { return m_icons; }

  private:
    RegistryStore m_store;
    WindowSystem m_windows;
    win32::Tray m_tray;
    win32::Graphics m_graphics;
    win32::Clock m_clock;
    win32::Shell m_shell;
    win32::Icons m_icons;
};

}  // namespace win32
