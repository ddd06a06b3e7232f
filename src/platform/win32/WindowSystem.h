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
    plat::Point CursorPos() override;
    void SetForegroundWindow(plat::WindowRef window) override;
    void TrackPopupMenu(const plat::Menu& menu, plat::Point at, plat::WindowRef owner) override;
    int RunModalDialog(const plat::DialogTemplate& dialog, plat::WindowRef parent,
                       plat::IDialogEvents& events) override;
    plat::Icon LoadResourceIcon(int id, int cx, int cy) override;
    std::string ProgramPath() override;
    std::string ProgramVersion() override;
    bool FileExists(std::string_view path) override;
    bool OpenWinHelp(plat::WindowRef owner, std::string_view helpFile, unsigned command,
                     std::uintptr_t data) override;
};

class Tray : public plat::ITray {
  public:
    bool Notify(plat::TrayAction action, const plat::TrayIconData& data) override;
};

// Icons made by this adapter are released with this.
void ReleaseIcon(std::uintptr_t icon);

}  // namespace win32
