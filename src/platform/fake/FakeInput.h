// The mouse, the focus and the foreground in memory.
#pragma once

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
    void SetFocus(plat::WindowRef window) override { focused = window; }
    void SetForegroundWindow(plat::WindowRef window) override;
    void WatchForeground(plat::WindowRef main) override;
    void StopWatchingForeground() override;

    plat::Point cursor{500, 700};
    plat::WindowRef captured;
    plat::WindowRef focused;
    std::vector<plat::WindowRef> foreground;
    plat::WindowRef watching;  // the window that hears the foreground; none when nobody does

  private:
    std::vector<std::string>& m_log;
};

}  // namespace fake
