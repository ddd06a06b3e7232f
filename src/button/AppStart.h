// Starts a launch entry: a program with its parameters, a control-panel item, or a document,
// and says so in a box when the platform could not start it.
#pragma once

#include <string>

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
    // The entry's program with `file` as its only parameter, whatever kind the entry is.
    void StartWithFile(const std::string& file, Rights rights = Rights::kUser);

    // What the starts use; open for the button tip and the tests.
    std::string StartDirectory() const;
    int ShowCommand() const;

  private:
    void ShellStart(const std::string& parameters, Rights rights);
    void Fail(const std::string& message);

    plat::IPlatform& m_platform;
    plat::WindowRef m_owner;
    std::string m_appName;
    int m_showMode = 0;
    std::string m_dir;
    std::string m_parm;
    std::string m_ext;
};

// Show modes as stored in an entry.
inline constexpr int kShowNormal = 0;
inline constexpr int kShowMinimized = 1;
inline constexpr int kShowMaximized = 2;
