// The program and its system on KERNEL32, USER32 and VERSION.
#pragma once

#include "platform/Platform.h"

namespace win32 {

class System : public plat::ISystem {
  public:
    std::string ProgramPath() override;
    std::string ProgramVersion() override;
    int MajorVersion() override;
    bool FileExists(std::string_view path) override;
    bool OpenWinHelp(plat::WindowRef owner, std::string_view helpFile) override;
    plat::Icon LoadResourceIcon(int id, int cx, int cy) override;
    plat::WindowRef FindTopLevelWindow(std::string_view caption) override;
    void Beep(int frequency, int milliseconds) override;
};

}  // namespace win32
