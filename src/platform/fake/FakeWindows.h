// Windows in memory: every window the program makes, with its place, z-order, visibility,
// timers and tip, and the events a test sends it as the window system would.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Windows.h"

namespace fake {

struct FakeWindow {
    plat::MainWindowSpec spec;  // the main window's
    plat::IMainWindowEvents* events = nullptr;
    plat::IPopupEvents* popup = nullptr;
    std::string className;
    std::string text;
    unsigned style = 0;
    unsigned exStyle = 0;
    plat::Rect rect;
    plat::WindowRef owner;
    bool visible = false;
    bool destroyed = false;
    bool topmost = false;
    // Below every other window, as a full-screen program's neighbours are put.
    bool atBottom = false;
    // Placements that activated it.
    int activations = 0;
    std::map<int, int> timers;  // id -> period
    std::string toolTip;
    int invalidations = 0;
};

class FakeWindows : public plat::IWindows {
  public:
    explicit FakeWindows(std::vector<std::string>& log) : m_log(log) {}

    plat::WindowRef CreateMainWindow(const plat::MainWindowSpec& spec,
                                     plat::IMainWindowEvents& events) override;
    int RunMessageLoop() override;
    void PostQuit(int exitCode) override;
    plat::WindowRef CreatePopup(const plat::PopupSpec& spec, plat::IPopupEvents& events) override;
    void ShowWindow(plat::WindowRef window, int command) override;
    void DestroyWindow(plat::WindowRef window) override;
    void SetWindowPos(plat::WindowRef window, plat::ZOrder z, int x, int y, int cx, int cy,
                      unsigned flags) override;
    void MoveWindow(plat::WindowRef window, int x, int y, int cx, int cy, bool repaint) override;
    plat::Rect WindowRect(plat::WindowRef window) override;
    plat::Rect ClientRect(plat::WindowRef window) override;
    plat::Point ClientToScreen(plat::WindowRef window, plat::Point client) override;
    void Invalidate(plat::WindowRef window, bool erase) override;
    void SetTimer(plat::WindowRef window, int id, int milliseconds) override;
    void KillTimer(plat::WindowRef window, int id) override;
    plat::Point CursorPos() override;
    void SetCapture(plat::WindowRef window) override;
    void ReleaseCapture() override;
    void SetFocus(plat::WindowRef window) override;
    void SetForegroundWindow(plat::WindowRef window) override;
    void SetToolTip(plat::WindowRef window, std::string_view text) override;

    FakeWindow* Find(plat::WindowRef window);
    // The live windows of one class, in order.
    std::vector<plat::WindowRef> WindowsOf(const std::string& className) const;
    // A handle for a window of the fake's own, such as a running dialog.
    plat::WindowRef NewRef() { return plat::WindowRef{m_nextWindow++}; }

    bool failCreate = false;
    plat::Point cursor{500, 700};

    std::map<std::uintptr_t, FakeWindow> windows;
    std::optional<int> quitCode;
    std::vector<plat::WindowRef> foreground;
    plat::WindowRef captured;
    plat::WindowRef focused;

  private:
    std::vector<std::string>& m_log;
    std::uintptr_t m_nextWindow = 0x100;
};

}  // namespace fake
