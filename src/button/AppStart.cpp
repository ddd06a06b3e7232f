#include "button/AppStart.h"

#include "button/PathSplit.h"
#include "res/Texts.h"

namespace {

std::string Format(std::string_view pattern, std::string_view value) {
    std::string out(pattern);
    const std::size_t at = out.find("%s");
    if (at != std::string::npos) out.replace(at, 2, value);
    return out;
}

const char* Verb(Rights rights) { return rights == Rights::kAdministrator ? "runas" : ""; }

}  // namespace

void CAppStart::SetApp(plat::WindowRef owner, std::string appName, std::string dir,
                       std::string parm, int showMode) {
    m_owner = owner;
    m_appName = std::move(appName);
    m_dir = std::move(dir);
    m_parm = std::move(parm);
    m_showMode = showMode;
    m_ext = SplitPath(m_appName).ext;
}

std::string CAppStart::StartDirectory() const {
    if (!m_dir.empty()) return m_dir;
    const PathParts parts = SplitPath(m_appName);
    return parts.drive + parts.dir;
}

int CAppStart::ShowCommand() const {
    switch (m_showMode) {
        case kShowMinimized:
            return plat::sw::kShowMinimized;
        case kShowMaximized:
            return plat::sw::kShowMaximized;
        default:
            return plat::sw::kShow;
    }
}

void CAppStart::Start(Rights rights) {
    if (EqualsNoCase(m_ext, ".exe") || EqualsNoCase(m_ext, ".com")) {
        ShellStart(m_parm, rights);
    } else if (EqualsNoCase(m_ext, ".cpl")) {
        // The path goes in as it is, blanks and all: that is what the control panel's entry
        // point parses.
        const std::string arguments = Format("shell32.dll,Control_RunDLL %s,,0", m_appName);
        auto& shell = m_platform.Shell();
        if (rights == Rights::kUser) {
            if (shell.RunCommandLine("rundll32 " + arguments, plat::sw::kShow).failed()) {
                Fail(text::kControlPanelError);
            }
            return;
        }
        // Only the shell elevates: the same line through it.
        if (shell.Execute(m_owner, Verb(rights), "rundll32", arguments, "", plat::sw::kShow)
                .failed()) {
            Fail(text::kControlPanelError);
        }
    } else {
        // A document is opened by the program of its type; our parameters mean nothing to it.
        ShellStart("", rights);
    }
}

void CAppStart::StartWithFile(const std::string& file, Rights rights) {
    ShellStart('"' + file + '"', rights);
}

void CAppStart::ShellStart(const std::string& parameters, Rights rights) {
    // The box names the entry only: the system's reason means little next to it.
    if (m_platform.Shell()
            .Execute(m_owner, Verb(rights), m_appName, parameters, StartDirectory(), ShowCommand())
            .failed()) {
        Fail(Format(text::kStartFailed, m_appName));
    }
}

void CAppStart::Fail(const std::string& message) {
    m_platform.Dialogs().ShowMessageBox(m_owner, message,
                                        plat::mb::kOk | plat::mb::kIconExclamation);
}
