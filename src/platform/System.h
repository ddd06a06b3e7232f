// The system port: facts and services of the program and its system: its path and version,
// the platform's version, files, help, its own icon resources, other programs' windows, the beep.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Types.h"

namespace plat {

// Facts and services of the program and its system.
class ISystem {
  public:
    virtual ~ISystem() = default;
    // The running program's full path and its version as the version resource states it.
    virtual std::string ProgramPath() = 0;
    virtual std::string ProgramVersion() = 0;
    // The system's own folder of programs and libraries, without a trailing separator.
    virtual std::string SystemFolder() = 0;
    // The platform's major version; 0 when the query fails.
    virtual int MajorVersion() = 0;
    virtual bool FileExists(std::string_view path) = 0;
    // A whole file of at most `limit` bytes; false when it cannot be read or is bigger.
    virtual bool ReadFile(std::string_view path, std::size_t limit, std::string& bytes) = 0;
    // Creates or replaces the file with these bytes; false when it could not.
    virtual bool WriteFile(std::string_view path, std::string_view bytes) = 0;
    // The text with every %NAME% of a variable that is set replaced by its value.
    virtual std::string ExpandEnvironment(std::string_view text) = 0;
    // The classic help file, opened at its contents; false when it could not be.
    virtual bool OpenWinHelp(WindowRef owner, std::string_view helpFile) = 0;
    // An icon resource of the program at the given size; empty when there is none.
    virtual Icon LoadResourceIcon(int id, int cx, int cy) = 0;
    // A top-level window whose caption is exactly `caption`, of any program; none when absent.
    virtual WindowRef FindTopLevelWindow(std::string_view caption) = 0;
    // Takes the one lock of this name in the user's session, held until the process ends;
    // false when another process holds it already.
    virtual bool TakeInstanceLock(std::string_view name) = 0;
    // Asks the platform to start the program again after an update's restart of the system.
    virtual void RegisterRestart() = 0;
    virtual void Beep(int frequency, int milliseconds) = 0;
};

}  // namespace plat
