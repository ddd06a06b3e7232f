// The platform in memory, for tests: records every call in order and plays scripted answers.
#pragma once

#include <deque>
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

    FakeWindow* Find(plat::WindowRef window);

    // Scripted: captions of other programs' top-level windows, the version, box answers.
    std::vector<std::string> foreignCaptions;
    int majorVersion = 10;
    std::deque<int> messageBoxAnswers;
    bool failCreate = false;

    std::vector<MessageBoxCall> messageBoxes;
    std::map<std::uintptr_t, FakeWindow> windows;
    std::optional<int> quitCode;
    int beeps = 0;

  private:
    std::vector<std::string>& m_log;
    std::uintptr_t m_nextWindow = 0x100;
};

class FakePlatform : public plat::IPlatform {
  public:
    FakePlatform() : store(log), windows(log) {}
    plat::ISettingsStore& Store() override { return store; }
    plat::IWindowSystem& Windows() override { return windows; }
    plat::IShell& Shell() override { return shell; }
    plat::IIcons& Icons() override { return icons; }

    // Every call, in order, as "Port.Call arguments".
    std::vector<std::string> log;
    FakeStore store;
    FakeWindowSystem windows;
    FakeShell shell{log};
    FakeIcons icons{log};
};

}  // namespace fake
