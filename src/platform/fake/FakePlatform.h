// The platform in memory, for tests: records every call in order and plays scripted answers.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/Platform.h"
#include "platform/fake/FakeIcons.h"
#include "platform/fake/FakeShell.h"

namespace fake {

// A value as the registry would hold it: a DWORD, a string, or anything else (REG_BINARY, a
// DWORD of the wrong length...), which no read accepts.
struct Other {
    friend bool operator==(const Other&, const Other&) = default;
};
using Value = std::variant<int, std::string, Other>;

class FakeStore : public plat::ISettingsStore {
  public:
    explicit FakeStore(std::vector<std::string>& log) : m_log(log) {}

    void SetLocation(std::string_view maker, std::string_view application) override;
    int ReadInt(std::string_view section, std::string_view key, int fallback) override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;

    // Direct access for arranging and checking, without a log entry.
    void Put(const std::string& section, const std::string& key, Value value);
    std::optional<Value> Get(const std::string& section, const std::string& key) const;
    bool HasSection(const std::string& section) const { return m_values.count(section) != 0; }

    std::string location;
    // A read or write came before the location was set.
    bool touchedBeforeLocation = false;

  private:
    const Value* Find(std::string_view section, std::string_view key);
    void Touch();

    std::vector<std::string>& m_log;
    std::map<std::string, std::map<std::string, Value>, std::less<>> m_values;
};

struct MessageBoxCall {
    plat::WindowRef owner;
    std::string text;
    std::string caption;
    unsigned type = 0;
};

// Fonts the fake hands out: counted while alive, so a test sees every one released.
int& LiveHandles();

// A modal dialog while a test's script runs it: the template's controls with their texts.
class FakeDialog : public plat::IDialog {
  public:
    FakeDialog(const plat::DialogTemplate& t, plat::IDialogEvents& events, plat::WindowRef self);
    plat::WindowRef Window() override { return m_self; }
    std::string ItemText(int id) override;
    void SetItemText(int id, std::string_view text) override;
    void FocusItem(int id, bool selectAll) override;
    void SetSpinRange(int id, int lower, int upper) override;
    void End(int result) override;
    plat::Rect ClientRect() override;
    plat::Rect ItemRect(int id) override;
    void MoveItem(int id, plat::Rect rect, bool repaint) override;
    bool IsChecked(int id) override;
    void SetChecked(int id, bool checked) override;
    void Invalidate(bool erase) override;
    int ListAddRow(int id, std::uintptr_t data) override;
    void ListDeleteRow(int id, int row) override;
    int ListCount(int id) override;
    int ListSelection(int id) override;
    void ListSelect(int id, int row) override;
    void InvalidateItem(int id, bool erase) override;
    plat::WindowRef Item(int id) override {
        return plat::WindowRef{0x9000u + static_cast<unsigned>(id)};
    }

    // The window system drawing an owner-drawn row.
    void DrawRow(int id, int row, unsigned action);
    std::map<int, std::vector<std::uintptr_t>> listRows;
    std::map<int, int> listSelection;

    // The window system asking for a repaint.
    void Paint() { m_events.OnPaint(*this); }
    // A dialog unit is kDialogUnit / 2 pixels both ways in the fake, as with a 9-point font.
    static constexpr int kDialogUnit = 3;
    int invalidations = 0;
    void AddComboItem(int id, std::string_view text) override;
    void SetComboSelection(int id, int index) override;
    int ComboSelection(int id) override;
    void SetItemIcon(int id, const plat::Icon* icon) override;

    // The user's hands: a click on a button, as the window system would report it, typing
    // into an edit (which reports the change as an edit would, as it does for SetItemText),
    // choosing a combo box item and dropping files on the dialog.
    // A click on an automatic check box turns it over first.
    void Click(int id);
    void Type(int id, std::string_view text) { SetItemText(id, text); }
    void Choose(int id, int index);
    void Drop(const std::vector<std::string>& files) { m_events.OnDropFiles(*this, files); }

    std::map<int, std::vector<std::string>> comboItems;
    std::map<int, int> comboSelection;
    // The handle each icon static shows (0: none). The dialog only lends it, so a test sees a
    // released one as a handle the fake no longer knows.
    std::map<int, std::uintptr_t> shownIcons;

    int focusedItem = -1;
    bool focusSelectsAll = false;
    std::map<int, std::pair<int, int>> spinRanges;

    const plat::DialogTemplate& Template() const { return m_template; }
    bool Ended() const { return m_result.has_value(); }
    int Result() const { return m_result.value_or(plat::mb::kIdCancel); }

  private:
    const plat::DialogTemplate& m_template;
    plat::IDialogEvents& m_events;
    plat::WindowRef m_self;
    std::map<int, std::string> m_texts;
    std::map<int, plat::Rect> m_rects;
    std::map<int, bool> m_checked;
    std::optional<int> m_result;
};

// What a test does while a dialog is open. A dialog the script leaves open is cancelled.
using DialogScript = std::function<void(FakeDialog&)>;

struct TrackedMenu {
    plat::Menu menu;
    plat::Point at;
    plat::WindowRef owner;
};

struct FakeWindow {
    plat::MainWindowSpec spec;  // the main window's
    plat::IMainWindowEvents* events = nullptr;
    plat::IPopupEvents* popup = nullptr;
    const plat::DialogTemplate* dialog = nullptr;  // a modeless dialog's template
    std::string className;
    std::string text;
    unsigned style = 0;
    unsigned exStyle = 0;
    plat::Rect rect;
    plat::WindowRef owner;
    bool visible = false;
    bool destroyed = false;
    bool topmost = false;
    std::map<int, int> timers;  // id -> period
    std::string toolTip;
    int invalidations = 0;
};

struct OpenFileCall {
    std::string filter;
    std::string initialName;
    unsigned flags = 0;
};

class FakeWindowSystem : public plat::IWindowSystem {
  public:
    explicit FakeWindowSystem(std::vector<std::string>& log) : m_log(log) {}

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

    FakeWindow* Find(plat::WindowRef window);
    // The live windows of one class (popups) or template ("#131": modeless dialogs), in order.
    std::vector<plat::WindowRef> WindowsOf(const std::string& className) const;

    // Scripted: captions of other programs' top-level windows, the version, box answers.
    std::vector<std::string> foreignCaptions;
    int majorVersion = 10;
    std::deque<int> messageBoxAnswers;
    bool failCreate = false;
    plat::Point cursor{500, 700};
    std::deque<DialogScript> dialogScripts;
    std::string programPath = "C:\\Program Files\\Brisalto\\Brisalto.exe";
    std::string programVersion = "1.0.0";
    std::vector<std::string> existingFiles;
    bool winHelpSucceeds = true;
    plat::Size screen{1024, 768};
    std::vector<plat::Rect> monitors{{0, 0, 1024, 768}};
    // Answers of the common dialogs, in order; none left means the user cancelled.
    std::deque<plat::Colour> colourAnswers;
    std::deque<plat::LogFont> fontAnswers;
    std::deque<std::string> openFileAnswers;

    std::vector<MessageBoxCall> messageBoxes;
    std::map<std::uintptr_t, FakeWindow> windows;
    std::optional<int> quitCode;
    int beeps = 0;
    std::vector<TrackedMenu> menus;
    std::vector<const plat::DialogTemplate*> dialogs;  // every dialog run, in order
    std::vector<plat::WindowRef> foreground;
    plat::WindowRef captured;
    plat::WindowRef focused;
    std::vector<OpenFileCall> openFileCalls;
    std::vector<unsigned> fontFlags;

  private:
    std::vector<std::string>& m_log;
    std::uintptr_t m_nextWindow = 0x100;
};

class FakeTray : public plat::ITray {
  public:
    explicit FakeTray(std::vector<std::string>& log) : m_log(log) {}
    bool Notify(plat::TrayAction action, const plat::TrayIconData& data) override;

    // The record as the shell would keep it, the icon as its handle value.
    struct Entry {
        plat::WindowRef window;
        unsigned id, flags, callbackMessage;
        std::uintptr_t icon;
        std::string tip;
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    std::vector<Entry> calls;    // every record passed, adds and deletes alike
    std::optional<Entry> shown;  // what the notification area shows now
    bool succeeds = true;

  private:
    std::vector<std::string>& m_log;
};

class FakeGraphics : public plat::IGraphics {
  public:
    explicit FakeGraphics(std::vector<std::string>& log) : m_log(log) {}
    void PaintButtonFace(plat::WindowRef window, bool pressed, const plat::Icon* icon,
                         int size) override;
    plat::Font MakeFont(const plat::LogFont& font) override;
    plat::LogFont DescribeFont(const plat::Font& font) override;
    plat::Size MeasureText(plat::WindowRef window, const plat::Font& font,
                           std::string_view text) override;
    void FillAndDrawText(plat::WindowRef window, plat::Rect rect, const plat::Font& font,
                         std::string_view text, plat::Colour back,
                         plat::Colour textColour) override;
    void PaintListRow(plat::WindowRef window, plat::Rect rect, std::string_view text,
                      bool selected) override;
    void DrawIcon(plat::WindowRef window, const plat::Icon& icon, plat::Point at,
                  int size) override;

    struct Face {
        plat::WindowRef window;
        bool pressed;
        std::uintptr_t icon;  // 0: the bare face
        int size;
    };
    struct Text {
        plat::WindowRef window;
        plat::Rect rect;
        plat::LogFont font;
        std::string text;
        plat::Colour back, textColour;
    };
    struct Row {
        plat::WindowRef window;
        plat::Rect rect;
        std::string text;
        bool selected;
    };
    struct DrawnIcon {
        plat::WindowRef window;
        std::uintptr_t icon;
        plat::Point at;
        int size;
    };
    std::vector<Face> faces;
    std::vector<Text> texts;
    std::vector<Row> rows;
    std::vector<DrawnIcon> icons;
    // A text's extent in the fake: 8 pixels a byte wide, the font's height (16 for 0) high.
    plat::Size Extent(const plat::LogFont& font, std::string_view text) const;

  private:
    std::vector<std::string>& m_log;
    std::map<std::uintptr_t, plat::LogFont> m_fonts;
    std::uintptr_t m_nextFont = 0x5000;
};

// Time stands still until a test moves it.
class FakeClock : public plat::IClock {
  public:
    plat::LocalTime Now() override { return now; }
    std::int64_t CalendarSeconds() override { return seconds; }
    plat::LocalTime now{2026, 12, 9, 8, 5, 0};
    std::int64_t seconds = 1796803500;
};

class FakePlatform : public plat::IPlatform {
  public:
    FakePlatform() : store(log), windows(log), tray(log), graphics(log) {}
    plat::ISettingsStore& Store() override { return store; }
    plat::IWindowSystem& Windows() override { return windows; }
    plat::ITray& Tray() override { return tray; }
    plat::IGraphics& Graphics() override { return graphics; }
    plat::IClock& Clock() override { return clock; }
    plat::IShell& Shell() override { return shell; }
    plat::IIcons& Icons() override { return icons; }

    // Every call, in order, as "Port.Call arguments".
    std::vector<std::string> log;
    FakeStore store;
    FakeWindowSystem windows;
    FakeTray tray;
    FakeGraphics graphics;
    FakeClock clock;
    FakeShell shell{log};
    FakeIcons icons{log};
};

}  // namespace fake
