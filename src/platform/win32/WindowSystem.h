// Windows, message boxes and the message loop on USER32.
#pragma once

#include "platform/Platform.h"

namespace win32 {

class WindowSystem : public plat::IWindowSystem {
  public:
    plat::WindowRef FindTopLevelWindow(std::string_view caption) override;
    int ShowMessageBox(plat::WindowRef owner, std::string_view text, std::string_view caption,
                       unsigned type) override;
    int MajorVersion() override;
    plat::WindowRef CreateMainWindow(const plat::MainWindowSpec& spec,
                                     plat::IMainWindowEvents& events) override;
    void ShowWindow(plat::WindowRef window, int command) override;
    void DestroyWindow(plat::WindowRef window) override;
    int RunMessageLoop() override;
    void PostQuit(int exitCode) override;
    void Beep(int frequency, int milliseconds) override;
};

}  // namespace win32
