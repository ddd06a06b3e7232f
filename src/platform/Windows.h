// The windows port: the hidden main window and the message loop, the program's popups (buttons
// and the clock), their place, size, z-order, timers and input, and tool tips.
#pragma once

#include <string>
#include <string_view>

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

namespace ws {
inline constexpr unsigned kPopup = 0x80000000;
inline constexpr unsigned kVisible = 0x10000000;
inline constexpr unsigned kDisabled = 0x08000000;
inline constexpr unsigned kBorder = 0x00800000;
inline constexpr unsigned kCaption = 0x00C00000;
inline constexpr unsigned kVScroll = 0x00200000;
inline constexpr unsigned kSysMenu = 0x00080000;
inline constexpr unsigned kThickFrame = 0x00040000;
inline constexpr unsigned kGroup = 0x00020000;
inline constexpr unsigned kTabStop = 0x00010000;
inline constexpr unsigned kMinimizeBox = 0x00020000;
inline constexpr unsigned kExTopmost = 0x00000008;
inline constexpr unsigned kExAcceptFiles = 0x00000010;
inline constexpr unsigned kExToolWindow = 0x00000080;
// Dialog, static and button styles.
inline constexpr unsigned kDsSetFont = 0x40;
inline constexpr unsigned kDsModalFrame = 0x80;
inline constexpr unsigned kDsCenter = 0x800;
inline constexpr unsigned kSsCenter = 0x1;
inline constexpr unsigned kSsRight = 0x2;
inline constexpr unsigned kSsIcon = 0x3;
inline constexpr unsigned kSsSunken = 0x1000;
inline constexpr unsigned kBsPushButton = 0x0;
inline constexpr unsigned kBsDefPushButton = 0x1;
inline constexpr unsigned kBsAutoCheckBox = 0x3;
inline constexpr unsigned kBsGroupBox = 0x7;
}  // namespace ws

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

// Window class styles and stock brushes for the program's own popup windows.
namespace cs {
inline constexpr unsigned kVRedraw = 0x1;
inline constexpr unsigned kHRedraw = 0x2;
inline constexpr unsigned kDblClks = 0x8;
}  // namespace cs

struct PopupSpec {
    std::string className;
    unsigned classStyle = 0;
    bool arrowCursor = false;
    std::string text;
    unsigned style = 0;
    unsigned exStyle = 0;
    Rect rect;  // left, top, right, bottom in screen pixels
    WindowRef owner;
};

// Bottom: below every other window, out of the top band as well.
enum class ZOrder { Keep, Topmost, NoTopmost, Bottom };

struct MainWindowSpec {
    std::string caption;
    unsigned style = 0;
    unsigned exStyle = 0;
    int width = 0;
    int height = 0;
};

// The program's own windows.
class IWindows {
  public:
    virtual ~IWindows() = default;
    virtual WindowRef CreateMainWindow(const MainWindowSpec& spec, IMainWindowEvents& events) = 0;
    // Runs until the quit message and returns its exit code.
    virtual int RunMessageLoop() = 0;
    // Ends the loop with `exitCode`. From this call on no window of the program reports an
    // event: each stays up, bare, until it is destroyed or the process ends and takes them all.
    virtual void PostQuit(int exitCode) = 0;

    // The program's own popup windows: windows of classes of ours.
    virtual WindowRef CreatePopup(const PopupSpec& spec, IPopupEvents& events) = 0;
    virtual void ShowWindow(WindowRef window, int command) = 0;
    virtual void DestroyWindow(WindowRef window) = 0;
    virtual void SetWindowPos(WindowRef window, ZOrder z, int x, int y, int cx, int cy,
                              unsigned flags) = 0;
    // Whether the window stands in the top band now, above every window not set to stay on top.
    virtual bool InTopBand(WindowRef window) = 0;
    virtual void MoveWindow(WindowRef window, int x, int y, int cx, int cy, bool repaint) = 0;
    virtual Rect WindowRect(WindowRef window) = 0;
    virtual Rect ClientRect(WindowRef window) = 0;
    virtual Point ClientToScreen(WindowRef window, Point client) = 0;
    virtual void Invalidate(WindowRef window, bool erase) = 0;
    virtual void SetTimer(WindowRef window, int id, int milliseconds) = 0;
    virtual void KillTimer(WindowRef window, int id) = 0;

    // Input.
    virtual Point CursorPos() = 0;
    // The mouse goes to `window` wherever the pointer is; none releases it.
    virtual void SetCapture(WindowRef window) = 0;
    virtual void SetFocus(WindowRef window) = 0;
    virtual void SetForegroundWindow(WindowRef window) = 0;

    // One tip over the whole window, shown even while it is inactive; its text is replaced.
    virtual void SetToolTip(WindowRef window, std::string_view text) = 0;
};

}  // namespace plat
