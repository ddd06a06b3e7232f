// The ports through which the program's logic reaches the platform, one header each, and the
// platform as the logic holds it. Each port is shaped after what the logic needs, not after the
// whole Win32 API. Strings are UTF-8; the Win32 adapter converts at the boundary and calls only
// W functions.
#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Dpi.h"
#include "platform/Graphics.h"
#include "platform/Icons.h"
#include "platform/Input.h"
#include "platform/Monitors.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/System.h"
#include "platform/Tray.h"
#include "platform/Windows.h"

namespace plat {

class IPlatform {
  public:
    virtual ~IPlatform() = default;
    virtual ISettingsStore& Store() = 0;
    virtual IWindows& Windows() = 0;
    virtual IInput& Input() = 0;
    virtual IMonitors& Monitors() = 0;
    virtual IDialogs& Dialogs() = 0;
    virtual ISystem& System() = 0;
    virtual ITray& Tray() = 0;
    virtual IGraphics& Graphics() = 0;
    virtual IClock& Clock() = 0;
    virtual IShell& Shell() = 0;
    virtual IIcons& Icons() = 0;
};

}  // namespace plat
