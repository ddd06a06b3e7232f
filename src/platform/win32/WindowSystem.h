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
    plat::WindowRef CreatePopup(const plat::PopupSpec& spec, plat::IPopupEvents& events) override;
    plat::WindowRef CreateModeless(const plat::DialogTemplate& dialog, plat::WindowRef owner,
                                   plat::IPopupEvents& events) override;
    void SetWindowPos(plat::WindowRef window, plat::ZOrder z, int x, int y, int cx, int cy,
                      unsigned flags) override;
    void MoveWindow(plat::WindowRef window, int x, int y, int cx, int cy, bool repaint) override;
    plat::Rect WindowRect(plat::WindowRef window) override;
    plat::Rect ClientRect(plat::WindowRef window) override;
    plat::Point ClientToScreen(plat::WindowRef window, plat::Point client) override;
    void Invalidate(plat::WindowRef window, bool erase) override;
    void SetTimer(plat::WindowRef window, int id, int milliseconds) override;
    void KillTimer(plat::WindowRef window, int id) override;
    void SetCapture(plat::WindowRef window) override;
    void ReleaseCapture() override;
    void SetFocus(plat::WindowRef window) override;
    plat::Size ScreenSize() override;
    bool OnSomeMonitor(plat::Rect rect) override;
    void SetToolTip(plat::WindowRef window, std::string_view text) override;
    bool PickColour(plat::WindowRef owner, plat::Colour& colour) override;
    bool PickFont(plat::WindowRef owner, plat::LogFont& font, unsigned flags) override;
    bool PickOpenFile(plat::WindowRef owner, std::string_view filter, std::string_view initialName,
                      unsigned flags, std::string& path) override;
};

class Tray : public plat::ITray {
  public:
    bool Notify(plat::TrayAction action, const plat::TrayIconData& data) override;
};

// Icons made by this adapter are released with this.
void ReleaseIcon(std::uintptr_t icon);

}  // namespace win32
