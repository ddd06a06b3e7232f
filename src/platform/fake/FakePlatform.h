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

// Handles the fake hands out: counted while alive, so a test sees every one released.
int& LiveHandles();
plat::Icon MakeIcon(std::uintptr_t tag);

// A modal dialog while a test's script runs it: the template's controls with their texts.
class FakeDialog : public plat::IDialog {
  public:
    FakeDialog(const plat::DialogTemplate& t, plat::IDialogEvents& events, plat::WindowRef self);
    plat::WindowRef Window() override { return m_self; }
    std::string ItemText(int id) override;
    void SetItemText(int id, std::string_view text) override;
    void End(int result) override;

    // The user's hands: a click on a button, as the window system would report it.
    void Click(int id) { m_events.OnCommand(*this, id, 0); }

    const plat::DialogTemplate& Template() const { return m_template; }
    bool Ended() const { return m_result.has_value(); }
    int Result() const { return m_result.value_or(plat::mb::kIdCancel); }

  private:
    const plat::DialogTemplate& m_template;
    plat::IDialogEvents& m_events;
    plat::WindowRef m_self;
    std::map<int, std::string> m_texts;
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
    plat::MainWindowSpec spec;
    plat::IMainWindowEvents* events = nullptr;
    bool visible = false;
    bool destroyed = false;
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

    FakeWindow* Find(plat::WindowRef window);

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

    std::vector<MessageBoxCall> messageBoxes;
    std::map<std::uintptr_t, FakeWindow> windows;
    std::optional<int> quitCode;
    int beeps = 0;
    std::vector<TrackedMenu> menus;
    std::vector<const plat::DialogTemplate*> dialogs;  // every dialog run, in order
    std::vector<plat::WindowRef> foreground;

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

class FakePlatform : public plat::IPlatform {
  public:
    FakePlatform() : store(log), windows(log), tray(log) {}
    plat::ISettingsStore& Store() override { return store; }
    plat::IWindowSystem& Windows() override { return windows; }
    plat::ITray& Tray() override { return tray; }

    // Every call, in order, as "Port.Call arguments".
    std::vector<std::string> log;
    FakeStore store;
    FakeWindowSystem windows;
    FakeTray tray;
};

}  // namespace fake
