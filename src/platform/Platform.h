// The ports through which the program's logic reaches the window system, the shell and the
// settings store. Each is shaped after what the logic needs, not after the whole Win32 API.
// Strings are UTF-8; the Win32 adapter converts at the boundary and calls only W functions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace plat {

// Values of the Win32 constants that the logic passes through unchanged.
namespace mb {
inline constexpr unsigned kOk = 0x0;
inline constexpr unsigned kOkCancel = 0x1;
inline constexpr unsigned kIconQuestion = 0x20;
inline constexpr unsigned kIconExclamation = 0x30;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
}  // namespace mb

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
}  // namespace cs

// A colour as 0x00BBGGRR.
using Colour = std::uint32_t;

// A logical font, field for field as the store keeps it; the face name is UTF-8.
struct LogFont {
    int height = 0, width = 0, escapement = 0, orientation = 0, weight = 0;
    std::uint8_t italic = 0, underline = 0, strikeOut = 0, charSet = 0, outPrecision = 0,
                 clipPrecision = 0, quality = 0, pitchAndFamily = 0;
    std::string faceName;
    friend bool operator==(const LogFont&, const LogFont&) = default;
};

// Mouse events of the notification icon, as its callback message carries them.
namespace tray {
inline constexpr int kLButtonDblClk = 515;
inline constexpr int kRButtonDown = 516;
}  // namespace tray

// A popup menu as data; the adapter builds the platform's menus from it, tracks them and
// destroys them again.
struct MenuItem {
    enum class Kind { Command, Separator, Submenu };
    Kind kind = Kind::Command;
    std::string text;
    int id = 0;
    bool checked = false;
    std::vector<MenuItem> items;  // a submenu's entries

    static MenuItem Command(std::string text, int id, bool checked = false) {
        return {Kind::Command, std::move(text), id, checked, {}};
    }
    static MenuItem Separator() { return {Kind::Separator, {}, 0, false, {}}; }
    static MenuItem Submenu(std::string text, std::vector<MenuItem> items) {
        return {Kind::Submenu, std::move(text), 0, false, std::move(items)};
    }
    friend bool operator==(const MenuItem&, const MenuItem&) = default;
};
using Menu = std::vector<MenuItem>;

// A dialog template as data, in dialog units: one source for what the user sees and for the
// controls a test finds in the fake.
struct DialogControl {
    int id = -1;
    std::string className;  // "BUTTON", "STATIC", "EDIT", ... as the window system names them
    std::string text;       // "#128" names icon resource 128 for an icon static
    unsigned style = 0;     // WS_CHILD and WS_VISIBLE are implied unless `hidden`
    int x = 0, y = 0, cx = 0, cy = 0;
    bool hidden = false;
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    unsigned style = 0;
    unsigned exStyle = 0;
    int cx = 0, cy = 0;
    std::string font;
    int pointSize = 9;
    std::vector<DialogControl> controls;
};

// What an edit reports when its text has changed, by the user's hand or by SetItemText.
inline constexpr int kEditUpdate = 0x400;
// Open-file chooser flags.
namespace ofn {
inline constexpr unsigned kOverwritePrompt = 0x2;
inline constexpr unsigned kHideReadOnly = 0x4;
}  // namespace ofn

// A modal dialog while it runs.
class IDialog {
  public:
    virtual ~IDialog() = default;
    virtual WindowRef Window() = 0;
    virtual std::string ItemText(int id) = 0;
    virtual void SetItemText(int id, std::string_view text) = 0;
    // Puts the focus on a control, with all of an edit's text selected when asked.
    virtual void FocusItem(int id, bool selectAll) = 0;
    // An up-down control's range; it never wraps.
    virtual void SetSpinRange(int id, int lower, int upper) = 0;
    virtual void End(int result) = 0;
    // Geometry in pixels of the dialog's client area.
    virtual Rect ClientRect() = 0;
    virtual Rect ItemRect(int id) = 0;
    virtual void MoveItem(int id, Rect rect, bool repaint) = 0;
    virtual bool IsChecked(int id) = 0;
    virtual void SetChecked(int id, bool checked) = 0;
    virtual void Invalidate(bool erase) = 0;

    // List boxes whose rows the program draws itself: rows carry only a number of their own.
    virtual int ListAddRow(int id, std::uintptr_t data) = 0;
    virtual void ListDeleteRow(int id, int row) = 0;
    virtual int ListCount(int id) = 0;
    virtual int ListSelection(int id) = 0;  // -1: none
    virtual void ListSelect(int id, int row) = 0;
    virtual void InvalidateItem(int id, bool erase) = 0;
    // A control's own window, to draw into.
    virtual WindowRef Item(int id) = 0;

    // Combo boxes, icon statics and dropped files: what the entry editing dialogs need.
    virtual void AddComboItem(int id, std::string_view text) = 0;
    // An index outside the items leaves the combo box without a selection.
    virtual void SetComboSelection(int id, int index) = 0;
    // -1 when nothing is selected.
    virtual int ComboSelection(int id) = 0;
    // The static only borrows the icon: its owner keeps it alive while it is shown and lets it
    // go only after showing another one (or none) or after the dialog has ended.
    virtual void SetItemIcon(int id, const Icon* icon) = 0;
};

// One row of an owner-drawn list, as the window system asks for it to be drawn.
struct DrawItem {
    int control = 0;
    int row = -1;  // -1: an empty list that has the focus
    unsigned action = 0;
    unsigned state = 0;
    Rect rect;  // in the control's client coordinates
    WindowRef window;
};
namespace oda {
inline constexpr unsigned kDrawEntire = 1;
inline constexpr unsigned kSelect = 2;
inline constexpr unsigned kFocus = 4;
inline constexpr unsigned kSelected = 1;  // a state
}  // namespace oda

class IDialogEvents {
  public:
    virtual ~IDialogEvents() = default;
    virtual void OnInitDialog(IDialog& dialog) = 0;
    // Inside the dialog's paint cycle; drawing goes through the graphics port.
    virtual void OnPaint(IDialog& /*dialog*/) {}
    // Owner-drawn rows: their size, and their drawing.
    virtual Size OnMeasureItem(IDialog& /*dialog*/, int /*control*/, int /*row*/) { return {}; }
    virtual void OnDrawItem(IDialog& /*dialog*/, const DrawItem& /*item*/) {}
    // OK, Enter, Cancel, Escape and the close box end the dialog unless a dialog says otherwise.
    virtual void OnCommand(IDialog& dialog, int id, int /*notifyCode*/) {
        if (id == mb::kIdOk || id == mb::kIdCancel) dialog.End(id);
    }
    // Files dropped on a dialog whose template accepts them: full paths, in drop order.
    virtual void OnDropFiles(IDialog& /*dialog*/, const std::vector<std::string>& /*files*/) {}
};

// What the program's own popup windows (the launch buttons, the clock) hear. Points of mouse
// messages are in client coordinates, the hit test's in screen coordinates.
class IPopupEvents {
  public:
    virtual ~IPopupEvents() = default;
    // The window exists (creation, or a modeless dialog's initialisation).
    virtual void OnCreate(WindowRef /*self*/) {}
    // Inside the platform's paint cycle; drawing goes through the graphics port.
    virtual void OnPaint() {}
    virtual void OnTimer(int /*id*/) {}
    // The answer to the hit test; none leaves it to default processing.
    virtual std::optional<int> OnNcHitTest(Point /*screen*/) { return std::nullopt; }
    // Before default processing, which may start the platform's own move.
    virtual void OnNcLButtonDown() {}
    virtual void OnNcLButtonDblClk() {}
    virtual void OnLButtonDown(Point /*client*/, unsigned /*keys*/) {}
    virtual void OnLButtonUp(Point /*client*/, unsigned /*keys*/) {}
    virtual void OnRButtonDown(Point /*client*/, unsigned /*keys*/) {}
    virtual void OnMouseMove(Point /*client*/, unsigned /*keys*/) {}
    // Full paths, in drop order; `keys` holds the shift and control keys held at the drop.
    virtual void OnDropFiles(const std::vector<std::string>& /*files*/, unsigned /*keys*/) {}
    virtual void OnCommand(int /*id*/) {}
    // The end of a move or resize by the platform.
    virtual void OnExitSizeMove() {}
    // The smallest size the window may take, at creation and when the user resizes it; none
    // leaves the platform's own, which for a sizing frame is that of a captioned window.
    virtual std::optional<Size> OnGetMinTrackSize() { return std::nullopt; }
    // False keeps the window open.
    virtual bool OnClose() { return true; }
    virtual void OnDestroy() {}
};

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

enum class ZOrder { Keep, Topmost, NoTopmost };

// The notification-area icon.
struct TrayIconData {
    WindowRef window;
    unsigned id = 0;
    unsigned flags = 0;
    unsigned callbackMessage = 0;
    const Icon* icon = nullptr;
    std::string tip;
};
enum class TrayAction { Add, Delete };

class ITray {
  public:
    virtual ~ITray() = default;
    virtual bool Notify(TrayAction action, const TrayIconData& data) = 0;
};

// The per-user settings store: one key per section below the application key. Opening a section
// creates it; nothing is ever deleted. Reads of a missing or mistyped value give the default.
class ISettingsStore {
  public:
    virtual ~ISettingsStore() = default;
    // Fixes Software\<maker>\<application>; no read or write may come before it.
    virtual void SetLocation(std::string_view maker, std::string_view application) = 0;
    virtual int ReadInt(std::string_view section, std::string_view key, int fallback) = 0;
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view fallback) = 0;
    virtual void WriteInt(std::string_view section, std::string_view key, int value) = 0;
    virtual void WriteString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
};

// What the hidden main window hears from the window system.
class IMainWindowEvents {
  public:
    virtual ~IMainWindowEvents() = default;
    // During creation; false fails it.
    virtual bool OnCreate(WindowRef self) = 0;
    virtual void OnClose() = 0;
    // `defaultAnswer` is what default processing said; the result is the window's answer.
    virtual bool OnQueryEndSession(bool defaultAnswer) = 0;
    virtual void OnCommand(int id) = 0;
    // The notification icon's callback, with the mouse event it carries.
    virtual void OnTrayEvent(int mouseEvent) = 0;
    // The shell made its notification area anew (it restarted): every icon in it is gone.
    virtual void OnTaskbarCreated() = 0;
    // Monitors were added, removed or rearranged.
    virtual void OnDisplayChange() = 0;
    // The window is gone; nothing may be done with it any more.
    virtual void OnDestroyed() = 0;
};

struct MainWindowSpec {
    std::string caption;
    unsigned style = 0;
    unsigned exStyle = 0;
    int width = 0;
    int height = 0;
};

// Windows, message boxes and the message loop.
class IWindowSystem {
  public:
    virtual ~IWindowSystem() = default;
    // A top-level window whose caption is exactly `caption`, of any program; none when absent.
    virtual WindowRef FindTopLevelWindow(std::string_view caption) = 0;
    virtual int ShowMessageBox(WindowRef owner, std::string_view text, std::string_view caption,
                               unsigned type) = 0;
    // The platform's major version; 0 when the query fails.
    virtual int MajorVersion() = 0;
    virtual WindowRef CreateMainWindow(const MainWindowSpec& spec, IMainWindowEvents& events) = 0;
    virtual void ShowWindow(WindowRef window, int command) = 0;
    virtual void DestroyWindow(WindowRef window) = 0;
    // Runs until the quit message and returns its exit code.
    virtual int RunMessageLoop() = 0;
    virtual void PostQuit(int exitCode) = 0;
    virtual void Beep(int frequency, int milliseconds) = 0;

    virtual Point CursorPos() = 0;
    virtual void SetForegroundWindow(WindowRef window) = 0;
    // Tracks the menu at `at`; the chosen command reaches the owner as OnCommand.
    virtual void TrackPopupMenu(const Menu& menu, Point at, WindowRef owner) = 0;
    // Runs a modal dialog from the template; the result it ended with.
    virtual int RunModalDialog(const DialogTemplate& dialog, WindowRef parent,
                               IDialogEvents& events) = 0;
    // An icon resource of the program at the given size; empty when there is none.
    virtual Icon LoadResourceIcon(int id, int cx, int cy) = 0;

    // The running program's full path and its version as the version resource states it.
    virtual std::string ProgramPath() = 0;
    virtual std::string ProgramVersion() = 0;
    virtual bool FileExists(std::string_view path) = 0;
    virtual bool OpenWinHelp(WindowRef owner, std::string_view helpFile, unsigned command,
                             std::uintptr_t data) = 0;

    // The program's own popup windows: a window of a class of ours, or a modeless dialog.
    virtual WindowRef CreatePopup(const PopupSpec& spec, IPopupEvents& events) = 0;
    virtual WindowRef CreateModeless(const DialogTemplate& dialog, WindowRef owner,
                                     IPopupEvents& events) = 0;
    virtual void SetWindowPos(WindowRef window, ZOrder z, int x, int y, int cx, int cy,
                              unsigned flags) = 0;
    virtual void MoveWindow(WindowRef window, int x, int y, int cx, int cy, bool repaint) = 0;
    virtual Rect WindowRect(WindowRef window) = 0;
    virtual Rect ClientRect(WindowRef window) = 0;
    virtual Point ClientToScreen(WindowRef window, Point client) = 0;
    virtual void Invalidate(WindowRef window, bool erase) = 0;
    virtual void SetTimer(WindowRef window, int id, int milliseconds) = 0;
    virtual void KillTimer(WindowRef window, int id) = 0;
    virtual void SetCapture(WindowRef window) = 0;
    virtual void ReleaseCapture() = 0;
    virtual void SetFocus(WindowRef window) = 0;
    // The primary screen, and whether a rectangle lies on any monitor of the virtual screen.
    virtual Size ScreenSize() = 0;
    virtual bool OnSomeMonitor(Rect rect) = 0;
    // One tip over the whole window, shown even while it is inactive; its text is replaced.
    virtual void SetToolTip(WindowRef window, std::string_view text) = 0;

    // The common dialogs; false when the user cancelled.
    virtual bool PickColour(WindowRef owner, Colour& colour) = 0;
    virtual bool PickFont(WindowRef owner, LogFont& font, unsigned flags) = 0;
    // `filter` is pairs of label and pattern separated by '|'.
    virtual bool PickOpenFile(WindowRef owner, std::string_view filter,
                              std::string_view initialName, unsigned flags, std::string& path) = 0;
};

// Drawing, outside or inside the paint cycle, through the window's own device context.
class IGraphics {
  public:
    virtual ~IGraphics() = default;
    // The raised or sunken face (35 x 35) with the icon on it at (1, 1), or at (2, 2) when
    // pressed, composed off-screen and stretched in one blit to size x size.
    virtual void PaintButtonFace(WindowRef window, bool pressed, const Icon* icon, int size) = 0;
    virtual Font MakeFont(const LogFont& font) = 0;
    virtual LogFont DescribeFont(const Font& font) = 0;
    virtual Size MeasureText(WindowRef window, const Font& font, std::string_view text) = 0;
    // Fills `rect` (client coordinates) with `back` and draws `text` centred on one line.
    virtual void FillAndDrawText(WindowRef window, Rect rect, const Font& font,
                                 std::string_view text, Colour back, Colour textColour) = 0;
    // A list row in the system's colours, highlighted when selected: the rectangle filled and
    // the text drawn at x 21, centred in the row's 20 pixels.
    virtual void PaintListRow(WindowRef window, Rect rect, std::string_view text,
                              bool selected) = 0;
    virtual void DrawIcon(WindowRef window, const Icon& icon, Point at, int size) = 0;
};

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// Time: the local wall clock, and the calendar time in whole seconds.
class IClock {
  public:
    virtual ~IClock() = default;
    virtual LocalTime Now() = 0;
    virtual std::int64_t CalendarSeconds() = 0;
};

// Starting programs, documents and command lines.
class IShell {
  public:
    virtual ~IShell() = default;
    // The shell's action `verb` on `file` (an empty verb is its default action, "runas" starts
    // it as administrator); empty parameters or directory are passed as none. The result
    // follows ShellExecute's rule: above 32 is success, 32 or less an error code, and
    // kCancelled when the user refused the elevation the verb asked for.
    virtual int Execute(WindowRef owner, std::string_view verb, std::string_view file,
                        std::string_view parameters, std::string_view directory,
                        int showCommand) = 0;
    static constexpr int kCancelled = -1;
    // Starts a command line without waiting for it. The result follows WinExec's rule: 32 or
    // more is success, below 32 an error code.
    virtual int RunCommandLine(std::string_view commandLine, int showCommand) = 0;
};

// An image list with room for one icon of a fixed size.
class ImageList : public OwnedHandle {
    using OwnedHandle::OwnedHandle;
};

// Icons out of modules and from the shell.
class IIcons {
  public:
    virtual ~IIcons() = default;
    // How many icons the module holds; 0 for a file that holds none or cannot be read.
    virtual int CountIcons(std::string_view module) = 0;
    // Icon `index` of the module in the large or small system size; an index below -1 names a
    // resource identifier, -1 yields none.
    virtual Icon ModuleIcon(std::string_view module, int index, bool isSmall) = 0;
    // The icon the shell shows for the path; none when the shell has none.
    virtual Icon ShellIcon(std::string_view path, bool isSmall) = 0;
    virtual ImageList CreateImageList(int size) = 0;
    // Replaces the list's single image with `icon` and returns a new icon of the list's size
    // made from it; with no icon the list is left empty and the result is none.
    virtual Icon Normalize(ImageList& list, const Icon& icon) = 0;
};

class IPlatform {
  public:
    virtual ~IPlatform() = default;
    virtual ISettingsStore& Store() = 0;
    virtual IWindowSystem& Windows() = 0;
    virtual ITray& Tray() = 0;
    virtual IGraphics& Graphics() = 0;
    virtual IClock& Clock() = 0;
    virtual IShell& Shell() = 0;
    virtual IIcons& Icons() = 0;
};

}  // namespace plat
