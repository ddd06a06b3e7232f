// The shell port: starting documents, programs and command lines.
#pragma once

#include <string_view>

#include "platform/Types.h"

namespace plat {

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

}  // namespace plat
