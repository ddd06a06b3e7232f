// The mouse, the focus, the foreground and the hotkey in memory.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/Input.h"

namespace fake {

class FakeInput : public plat::IInput {
  public:
    explicit FakeInput(std::vector<std::string>& log) : m_log(log) {}

    plat::Point CursorPos() override { return cursor; }
    void SetCapture(plat::WindowRef window) override;
    void ReleaseCapture() override;
    void SetFocus(plat::WindowRef window) override;
    void SetForegroundWindow(plat::WindowRef window) override;
    plat::WindowRef ForegroundWindow() override { return foregroundNow; }
    void WatchForeground(plat::WindowRef main) override;
    void StopWatchingForeground() override;
    bool RegisterHotkey(plat::WindowRef main, unsigned combination) override;
    void UnregisterHotkey(plat::WindowRef main) override;

    plat::Point cursor{500, 700};
    plat::WindowRef captured;
    plat::WindowRef focused;
    std::vector<plat::WindowRef> foreground;
    // The window in the foreground: another program's (a number of the test's choosing) until
    // the program brings one forward.
    plat::WindowRef foregroundNow{0x7000};
    // The combination registered, 0 when none, and those other programs hold.
    unsigned hotkey = 0;
    plat::WindowRef hotkeyOwner;
    std::set<unsigned> takenHotkeys;
    // Told when the focus moves, so that the windows hear it as they would from the system.
    std::function<void(plat::WindowRef lost, plat::WindowRef gained)> focusMoved;
    plat::WindowRef watching;  // the window that hears the foreground; none when nobody does

  private:
    std::vector<std::string>& m_log;
};

}  // namespace fake
