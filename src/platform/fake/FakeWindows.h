// Windows in memory: every window the program makes, with its place, z-order, visibility,
// timers and tip, and the events a test sends it as the window system would.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Windows.h"
#include "platform/fake/FakeInput.h"

namespace fake {

class FakeMonitors;

struct FakeWindow {
    plat::IMainWindowEvents* events = nullptr;  // the main window's
    plat::IPopupEvents* popup = nullptr;
    std::optional<plat::PopupSpec> spec;  // a popup's, as it was made; none: the main window
    std::string className;  // as the real one is registered, so that tests may look windows up
    std::string text;
    plat::Rect rect;
    plat::WindowRef owner;
    bool visible = false;
    bool destroyed = false;
    bool topmost = false;
    // Below every other window, as a full-screen program's neighbours are put.
    bool atBottom = false;
    // Placements that activated it, and how often it was brought in front of other programs.
    int activations = 0;
    int broughtForward = 0;
    std::map<int, int> timers;  // id -> period
    std::string toolTip;
    // Announced changes of the window's name.
    int nameChanges = 0;
    int invalidations = 0;
    // While the fake plays the monitors' scales: the DPI the window was last told, and how often
    // it was told of a change.
    int dpi = 0;
    int dpiChanges = 0;
};

class FakeWindows : public plat::IWindows {
  public:
    explicit FakeWindows(std::vector<std::string>& log) : m_log(log) {}

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

    FakeWindow* Find(plat::WindowRef window);
    // The live windows of one class, in order.
    std::vector<plat::WindowRef> WindowsOf(const std::string& className) const;
    // A handle for a window of the fake's own, such as a running dialog.
    plat::WindowRef NewRef() { return plat::WindowRef{m_nextWindow++}; }

    // When set, a popup that comes to lie mostly on a monitor of another scale is told so, as
    // the system does, with a suggested rectangle: the window's size scaled about its centre,
    // pushed so far onto that monitor that most of it lies there. A handler that moves it back
    // off is told again, up to kMaxDpiRounds times for one move.
    bool playDpiChanges = false;
    static constexpr int kMaxDpiRounds = 8;
    FakeMonitors* monitors = nullptr;

    bool failCreate = false;
    // What the loop returns: as the real one, the quit message's code, which is always 0; a test
    // that must tell it from a default changes it.
    int loopExitCode = 0;
    FakeInput* input = nullptr;  // its capture ends with the captured window

    std::map<std::uintptr_t, FakeWindow> windows;
    bool quitPosted = false;

  private:
    void FollowMonitor(plat::WindowRef window);

    std::vector<std::string>& m_log;
    bool m_inDpiChange = false;
    std::uintptr_t m_nextWindow = 0x100;
};

}  // namespace fake
