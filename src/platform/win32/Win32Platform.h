// The real platform: every port on its Win32 adapter.
#pragma once

#include <memory>

#include "app/JournalStore.h"
#include "platform/win32/Clock.h"
#include "platform/win32/Dialogs.h"
#include "platform/win32/FileSettingsStore.h"
#include "platform/win32/Graphics.h"
#include "platform/win32/Icons.h"
#include "platform/win32/Input.h"
#include "platform/win32/Monitors.h"
#include "platform/win32/SettingsStore.h"
#include "platform/win32/Shell.h"
#include "platform/win32/System.h"
#include "platform/win32/Tray.h"
#include "platform/win32/Windows.h"

namespace win32 {

// What the user-interface thread needs before any port is used, held while the platform lives:
// libraries come from the system's folder only, and the thread is a single-threaded COM
// apartment, which the shell's icons, image lists and verbs require of their caller.
class ThreadSetUp {
  public:
    ThreadSetUp();
    ~ThreadSetUp();
    ThreadSetUp(const ThreadSetUp&) = delete;
    ThreadSetUp& operator=(const ThreadSetUp&) = delete;

  private:
    bool m_com = false;  // ours to end
};

class Win32Platform : public plat::IPlatform {
  public:
    Win32Platform();
    // The file beside the program when there is one (portable mode), else the registry.
    plat::ISettingsStore& Store() override;
    plat::IWindows& Windows() override { return m_windows; }
    plat::IInput& Input() override { return m_input; }
    plat::IMonitors& Monitors() override { return m_monitors; }
    plat::IDialogs& Dialogs() override { return m_dialogs; }
    plat::ISystem& System() override { return m_system; }
    plat::ITray& Tray() override { return m_tray; }
    plat::IGraphics& Graphics() override { return m_graphics; }
    plat::IClock& Clock() override { return m_clock; }
    plat::IShell& Shell() override { return m_shell; }
    plat::IIcons& Icons() override { return m_icons; }

  private:
    ThreadSetUp m_setUp;  // first made, last gone
    // The registry writes one value at a time; the journal makes each change whole.
    win32::SettingsStore m_registry;
    JournalStore m_store{m_registry};
    // The file is replaced whole at each change: that replacement is the commit.
    std::unique_ptr<FileSettingsStore> m_file;
    win32::Windows m_windows;
    win32::Input m_input;
    win32::Monitors m_monitors;
    win32::Dialogs m_dialogs;
    win32::System m_system;
    win32::Tray m_tray;
    win32::Graphics m_graphics;
    win32::Clock m_clock;
    win32::Shell m_shell;
    win32::Icons m_icons;
};

}  // namespace win32
