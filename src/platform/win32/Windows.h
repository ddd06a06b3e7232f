// Windows on USER32: the hidden main window, the message loop and the program's popups.
#pragma once

#include "platform/Platform.h"

namespace win32 {

class Windows : public plat::IWindows {
  public:
    plat::WindowRef CreateMainWindow(std::string_view caption,
                                     plat::IMainWindowEvents& events) override;
    int RunMessageLoop() override;
    void PostQuit() override;
    void DetachAll() override;
    plat::WindowRef CreatePopup(const plat::PopupSpec& spec, plat::IPopupEvents& events) override;
    void ShowWindow(plat::WindowRef window, int command) override;
    void DestroyWindow(plat::WindowRef window) override;
    void SetWindowPos(plat::WindowRef window, plat::ZOrder z, int x, int y, int cx, int cy,
                      unsigned flags) override;
    void BringForward(const std::vector<plat::WindowRef>& windows) override;
    bool InTopBand(plat::WindowRef window) override;
    void MoveWindow(plat::WindowRef window, int x, int y, int cx, int cy) override;
    plat::Rect WindowRect(plat::WindowRef window) override;
    plat::Rect ClientRect(plat::WindowRef window) override;
    plat::Point ClientToScreen(plat::WindowRef window, plat::Point client) override;
    void Invalidate(plat::WindowRef window) override;
    void SetTimer(plat::WindowRef window, int id, int milliseconds) override;
    void KillTimer(plat::WindowRef window, int id) override;
    void SetToolTip(plat::WindowRef window, std::string_view text) override;
    void SetText(plat::WindowRef window, std::string_view text) override;
};

}  // namespace win32
