// The program and its system in memory: a scripted path, version, files and other programs'
// windows; beeps and help requests counted.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/System.h"
#include "platform/fake/FakeWindows.h"

namespace fake {

class FakeSystem : public plat::ISystem {
  public:
    FakeSystem(std::vector<std::string>& log, FakeWindows& windows)
        : m_log(log), m_windows(windows) {}

    std::string ProgramPath() override;
    std::string ProgramVersion() override;
    std::string SystemFolder() override;
    int MajorVersion() override;
    bool FileExists(std::string_view path) override;
    bool ReadFile(std::string_view path, std::size_t limit, std::string& bytes) override;
    bool WriteFile(std::string_view path, std::string_view bytes) override;
    std::string ExpandEnvironment(std::string_view text) override;
    bool OpenWinHelp(plat::WindowRef owner, std::string_view helpFile) override;
    plat::Icon LoadResourceIcon(int id, int cx, int cy) override;
    plat::WindowRef FindTopLevelWindow(std::string_view caption) override;
    bool TakeInstanceLock(std::string_view name) override;
    void RegisterRestart() override;
    void Beep(int frequency, int milliseconds) override;

    // Scripted: captions of other programs' top-level windows, the version, files and help.
    std::vector<std::string> foreignCaptions;
    // Names of locks another process holds; a lock taken here joins them.
    std::vector<std::string> heldLocks;
    int majorVersion = 10;
    std::string programPath = "C:\\Program Files\\Brisalto\\Brisalto.exe";
    std::string programVersion = "1.0.0";
    std::string systemFolder = "C:\\WINDOWS\\system32";
    std::vector<std::string> existingFiles;
    bool winHelpSucceeds = true;
    // Files with contents, by path, for reading and writing whole; a write fails while
    // `writesFail` holds.
    std::map<std::string, std::string, std::less<>> files;
    bool writesFail = false;
    // The environment's variables, by their names as written.
    std::map<std::string, std::string, std::less<>> environment = {
        {"USERPROFILE", "C:\\Users\\Ann"},
        {"LOCALAPPDATA", "C:\\Users\\Ann\\AppData\\Local"},
        {"ProgramFiles", "C:\\Program Files"},
        {"SystemRoot", "C:\\WINDOWS"}};

    int beeps = 0;

  private:
    std::vector<std::string>& m_log;
    FakeWindows& m_windows;
};

}  // namespace fake
