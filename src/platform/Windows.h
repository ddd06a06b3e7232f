// The windows port: the hidden main window and the message loop, the program's popups (buttons
// and the clock), their place, size, z-order, timers and input, and tool tips.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Dialog.h"
#include "platform/MainWindowEvents.h"
#include "platform/PopupEvents.h"
#include "platform/Types.h"

namespace plat {

// Values of the Win32 constants that the logic passes through unchanged.
namespace sw {
inline constexpr int kHide = 0;
inline constexpr int kShowMinimized = 2;
inline constexpr int kShowMaximized = 3;
inline constexpr int kShow = 5;
}  // namespace sw

namespace swp {
inline constexpr unsigned kNoSize = 0x1;
inline constexpr unsigned kNoMove = 0x2;
inline constexpr unsigned kNoZOrder = 0x4;
inline constexpr unsigned kNoActivate = 0x10;
inline constexpr unsigned kShowWindow = 0x40;
}  // namespace swp

// Hit-test answers and mouse key flags.
namespace hit {
inline constexpr int kClient = 1;
inline constexpr int kCaption = 2;
}  // namespace hit
namespace mk {
inline constexpr unsigned kLButton = 0x1;
inline constexpr unsigned kRButton = 0x2;
inline constexpr unsigned kShift = 0x4;
inline constexpr unsigned kControl = 0x8;
}  // namespace mk

// The kinds of popup window the program makes; what each is made of is the adapter's business.
enum class WindowKind {
    // A launch button: a bare square, hidden until placed, that takes dropped files; a quick
    // second click on it comes as a double click, not as another press.
    Button,
    // The desktop clock: shown at once, with a thin frame the user may drag to resize it; its
    // whole face is drawn again whenever its size changes.
    Clock,
};

struct PopupSpec {
    WindowKind kind = WindowKind::Button;
    std::string text;
    Rect rect;  // left, top, right, bottom in screen pixels
    WindowRef owner;
    bool topmost = false;
};

// Bottom: below every other window, out of the top band as well.
enum class ZOrder { Keep, Topmost, NoTopmost, Bottom };

// The program's own windows.
class IWindows {
  public:
    virtual ~IWindows() = default;
    // The hidden main window: never in the taskbar or the task switcher, found by its caption.
    virtual WindowRef CreateMainWindow(std::string_view caption, IMainWindowEvents& events) = 0;
    // Runs until the quit message and returns its exit code.
    virtual int RunMessageLoop() = 0;
    // Ends the loop, with exit code 0, once the messages before it are handled.
    virtual void PostQuit() = 0;
    // From this call on no window of the program reports an event: each stays up, bare, until
    // it is destroyed or the process ends and takes them all.
    virtual void DetachAll() = 0;

    // The program's own popup windows: windows of classes of ours.
    virtual WindowRef CreatePopup(const PopupSpec& spec, IPopupEvents& events) = 0;
    virtual void ShowWindow(WindowRef window, int command) = 0;
    virtual void DestroyWindow(WindowRef window) = 0;
    virtual void SetWindowPos(WindowRef window, ZOrder z, int x, int y, int cx, int cy,
                              unsigned flags) = 0;
    // Puts each window in front of every other program's window that covers it, each staying in
    // its band; one that nothing covers stays where it is.
    virtual void BringForward(const std::vector<WindowRef>& windows) = 0;
    // Whether the window stands in the top band now, above every window not set to stay on top.
    virtual bool InTopBand(WindowRef window) = 0;
    // Moves and sizes the window and repaints it.
    virtual void MoveWindow(WindowRef window, int x, int y, int cx, int cy) = 0;
    virtual Rect WindowRect(WindowRef window) = 0;
    virtual Rect ClientRect(WindowRef window) = 0;
    virtual Point ClientToScreen(WindowRef window, Point client) = 0;
    // Has the whole window drawn again, background and all.
    virtual void Invalidate(WindowRef window) = 0;
    virtual void SetTimer(WindowRef window, int id, int milliseconds) = 0;
    virtual void KillTimer(WindowRef window, int id) = 0;

    // One tip over the whole window, shown even while it is inactive; its text is replaced.
    virtual void SetToolTip(WindowRef window, std::string_view text) = 0;
    // The window's own text: what a screen reader calls it where it does not ask the window
    // itself. A change is announced as a change of the window's name.
    virtual void SetText(WindowRef window, std::string_view text) = 0;
};

}  // namespace plat
