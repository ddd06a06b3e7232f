// Starts a launch entry: a program with its parameters, a control-panel item, or a document,
// and says so in a box when the platform could not start it.
#pragma once

#include <string>
#include <string_view>

#include "platform/Platform.h"

// With which rights a start runs: the user's own, or an administrator's, which the shell asks
// the user to grant ("runas"). A refused grant is the user's choice, not a failure.
enum class Rights { kUser, kAdministrator };

class CAppStart {
  public:
    explicit CAppStart(plat::IPlatform& platform) : m_platform(platform) {}

    void SetApp(plat::WindowRef owner, std::string appName, std::string dir, std::string parm,
                int showMode);
    void Start(Rights rights = Rights::kUser);
    // The entry's program with `file` as its only parameter, whatever kind the entry is. False
    // when it did not start: it failed (and said so) or the user refused the elevation.
    bool StartWithFile(const std::string& file, Rights rights = Rights::kUser);

    // What the starts use; open for the button tip and the tests.
    std::string StartDirectory() const;
    int ShowCommand() const;

  private:
    bool ShellStart(const std::string& parameters, Rights rights);
    void Fail(const std::string& message);

    plat::IPlatform& m_platform;
    plat::WindowRef m_owner;
    std::string m_appName;
    int m_showMode = 0;
    std::string m_dir;
    std::string m_parm;
    std::string m_ext;
};

// `argument` as one argument of a command line that a program splits by the C run-time's rules:
// between quotes, a backslash run before a quote doubled, a quote escaped.
std::string QuoteArgument(std::string_view argument);
// `argument` as one argument of a batch file: cmd takes the quotes and nothing else, but expands
// %NAME% even between them, so each percent sign is kept from starting a name.
std::string QuoteBatchArgument(std::string_view argument);

// Show modes as stored in an entry.
inline constexpr int kShowNormal = 0;
inline constexpr int kShowMinimized = 1;
inline constexpr int kShowMaximized = 2;
