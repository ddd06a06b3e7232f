// The shell port: starting documents, programs and command lines.
#pragma once

#include <string_view>

#include "platform/Types.h"

namespace plat {

// Starting programs, documents and command lines.
class IShell {
  public:
    virtual ~IShell() = default;
    // The shell's default action on `file`; empty parameters or directory are passed as none.
    // The result follows ShellExecute's rule: above 32 is success, 32 or less an error code.
    virtual int Execute(WindowRef owner, std::string_view file, std::string_view parameters,
                        std::string_view directory, int showCommand) = 0;
    // Starts a command line without waiting for it. The result follows WinExec's rule: 32 or
    // more is success, below 32 an error code.
    virtual int RunCommandLine(std::string_view commandLine, int showCommand) = 0;
};

}  // namespace plat
