// The mouse, the focus and the foreground on USER32.
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
    void WatchForeground(plat::WindowRef main) override;
    void StopWatchingForeground() override;

  private:
    plat::WindowRef m_watching;
};

}  // namespace win32
