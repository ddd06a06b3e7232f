// Starts through SHELL32 and the process loader.
#pragma once

#include "platform/Platform.h"

namespace win32 {

class Shell : public plat::IShell {
  public:
    plat::StartOutcome Execute(plat::WindowRef owner, std::string_view verb, std::string_view file,
                               std::string_view parameters, std::string_view directory,
                               int showCommand) override;
    plat::StartOutcome RunCommandLine(std::string_view commandLine, int showCommand) override;
};

}  // namespace win32
