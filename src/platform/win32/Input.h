// The mouse, the focus, the foreground and the hotkey on USER32.
#pragma once

#include "platform/Platform.h"

namespace win32 {

class Input : public plat::IInput {
  public:
    plat::Point CursorPos() override;
    void SetCapture(plat::WindowRef window) override;
    void ReleaseCapture() override;
    void SetFocus(plat::WindowRef window) override;
    void SetForegroundWindow(plat::WindowRef window) override;
    plat::WindowRef ForegroundWindow() override;
    void WatchForeground(plat::WindowRef main) override;
    void StopWatchingForeground() override;
    bool RegisterHotkey(plat::WindowRef main, unsigned combination) override;
    void UnregisterHotkey(plat::WindowRef main) override;

  private:
    plat::WindowRef m_watching;
    plat::WindowRef m_hotkeyOwner;
};

}  // namespace win32
