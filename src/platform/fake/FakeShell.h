// The shell in memory: records each start and answers with a scripted result.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace fake {

struct ExecuteCall {
    plat::WindowRef owner;
    std::string file;
    std::string parameters;
    std::string directory;
    int showCommand = 0;
    std::string verb;  // empty: the shell's default action
    friend bool operator==(const ExecuteCall&, const ExecuteCall&) = default;
};

struct CommandLineCall {
    std::string commandLine;
    int showCommand = 0;
    friend bool operator==(const CommandLineCall&, const CommandLineCall&) = default;
};

class FakeShell : public plat::IShell {
  public:
    explicit FakeShell(std::vector<std::string>& log) : m_log(log) {}

    plat::StartOutcome Execute(plat::WindowRef owner, std::string_view verb, std::string_view file,
                               std::string_view parameters, std::string_view directory,
                               int showCommand) override;
    plat::StartOutcome RunCommandLine(std::string_view commandLine, int showCommand) override;

    // Scripted: what the next starts answer, in order, then `executeResult` (started, by
    // default).
    std::deque<plat::StartOutcome> executeResults;
    plat::StartOutcome executeResult;
    plat::StartOutcome commandLineResult;

    std::vector<ExecuteCall> executes;
    std::vector<CommandLineCall> commandLines;

  private:
    std::vector<std::string>& m_log;
};

}  // namespace fake
