// The shell port: starting documents, programs and command lines.
#pragma once

#include <string>
#include <string_view>

#include "platform/Types.h"

namespace plat {

// What became of a start.
struct StartOutcome {
    enum class Kind { Started, Failed, Cancelled };
    Kind kind = Kind::Started;
    // Failed: the system's own words for why, for whoever reports it; empty when it gave none.
    std::string reason;

    static StartOutcome Started() { return {}; }
    static StartOutcome Failed(std::string reason = {}) {
        return {Kind::Failed, std::move(reason)};
    }
    static StartOutcome Cancelled() { return {Kind::Cancelled, {}}; }
    bool started() const { return kind == Kind::Started; }
    // A start the user refused (the elevation a verb asked for) is the user's answer, not a fault.
    bool failed() const { return kind == Kind::Failed; }
};

// Starting programs, documents and command lines.
class IShell {
  public:
    virtual ~IShell() = default;
    // The shell's action `verb` on `file` (an empty verb is its default action, "runas" starts
    // it as administrator); empty parameters or directory are passed as none.
    virtual StartOutcome Execute(WindowRef owner, std::string_view verb, std::string_view file,
                                 std::string_view parameters, std::string_view directory,
                                 int showCommand) = 0;
    // Starts a command line without waiting for it.
    virtual StartOutcome RunCommandLine(std::string_view commandLine, int showCommand) = 0;
};

}  // namespace plat
