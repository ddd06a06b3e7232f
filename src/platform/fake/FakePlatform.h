// The platform in memory, for tests: every port's fake, one log of every call in order.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeDialogs.h"
#include "platform/fake/FakeGraphics.h"
#include "platform/fake/FakeIcons.h"
#include "platform/fake/FakeMonitors.h"
#include "platform/fake/FakeSettingsStore.h"
#include "platform/fake/FakeShell.h"
#include "platform/fake/FakeSystem.h"
#include "platform/fake/FakeTray.h"
#include "platform/fake/FakeWindows.h"

namespace fake {

class FakePlatform : public plat::IPlatform {
  public:
    FakePlatform() {
        windows.input = &input;
        windows.monitors = &monitors;
        input.focusMoved = [this](plat::WindowRef lost, plat::WindowRef gained) {
            for (auto [window, gainedIt] : {std::pair{lost, false}, std::pair{gained, true}}) {
                fake::FakeWindow* w = windows.Find(window);
                if (w != nullptr && !w->destroyed && w->popup != nullptr)
                    w->popup->OnFocus(gainedIt);
            }
        };
    }
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    plat::ISettingsStore& Store() override { return store; }
    plat::IWindows& Windows() override { return windows; }
    plat::IInput& Input() override { return input; }
    plat::IMonitors& Monitors() override { return monitors; }
    plat::IDialogs& Dialogs() override { return dialogs; }
    plat::ISystem& System() override { return system; }
    plat::ITray& Tray() override { return tray; }
    plat::IGraphics& Graphics() override { return graphics; }
    plat::IClock& Clock() override { return clock; }
    plat::IShell& Shell() override { return shell; }
    plat::IIcons& Icons() override { return icons; }

    // Every call, in order, as "Port.Call arguments".
    std::vector<std::string> log;
    FakeSettingsStore store{log};
    FakeWindows windows{log};
    FakeInput input{log};
    FakeMonitors monitors{windows};
    FakeDialogs dialogs{log, windows};
    FakeSystem system{log, windows};
    FakeTray tray{log};
    FakeGraphics graphics{log};
    FakeClock clock;
    FakeShell shell{log};
    FakeIcons icons{log};
};

}  // namespace fake
