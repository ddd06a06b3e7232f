#include "platform/fake/FakeShell.h"

namespace fake {

plat::StartOutcome FakeShell::Execute(plat::WindowRef owner, std::string_view verb,
                                      std::string_view file, std::string_view parameters,
                                      std::string_view directory, int showCommand) {
    m_log.push_back("Shell.Execute " + std::string(file) + "|" + std::string(parameters) + "|" +
                    std::string(directory) + "|" + std::to_string(showCommand) +
                    (verb.empty() ? "" : "|" + std::string(verb)));
    executes.push_back({owner, std::string(file), std::string(parameters), std::string(directory),
                        showCommand, std::string(verb)});
    if (executeResults.empty()) return executeResult;
    plat::StartOutcome result = executeResults.front();
    executeResults.pop_front();
    return result;
}

plat::StartOutcome FakeShell::RunCommandLine(std::string_view commandLine, int showCommand) {
    m_log.push_back("Shell.RunCommandLine " + std::string(commandLine) + "|" +
                    std::to_string(showCommand));
    commandLines.push_back({std::string(commandLine), showCommand});
    return commandLineResult;
}

}  // namespace fake
