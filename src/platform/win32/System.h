// The program and its system on KERNEL32, USER32 and VERSION.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace win32 {

// The full path of the running program; empty if the system cannot tell it.
std::wstring ModulePath();

class System : public plat::ISystem {
  public:
    System() = default;
    System(const System&) = delete;
    System& operator=(const System&) = delete;
    ~System() override;
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

  private:
    void* m_instanceLock = nullptr;  // the named mutex, a HANDLE
};

}  // namespace win32
