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

std::string QuoteArgument(std::string_view argument) {
    // Backslashes are plain text except in a run that ends at a quote, where each pair stands
    // for one: such a run is doubled, and so is the run before the closing quote, so that a
    // dropped "D:\" arrives as D:\ and not as D:".
    std::string out(1, '"');
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        out.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        out += c;
        backslashes = 0;
    }
    out.append(2 * backslashes, '\\');
    out += '"';
    return out;
}

std::string QuoteBatchArgument(std::string_view argument) {
    // Between quotes cmd leaves every character alone but the percent sign, which it reads as
    // the start of a variable's name even there. "%%cd:~,%" shows one percent sign: the first
    // stands alone, the rest is an empty piece of the current folder's name, and the sign is
    // spent so that it cannot pair with the next into %NAME%. Backslashes mean nothing to cmd.
    std::string out(1, '"');
    for (const char c : argument) {
        if (c == '%') {
            out += "%%cd:~,%";
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

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
        // By its full name: a bare one is looked for in our own folder and the current one
        // first, where anybody may have put a program of that name.
        const std::string folder = m_platform.System().SystemFolder();
        if (folder.empty()) {
            Fail(text::kControlPanelError);
            return;
        }
        const std::string rundll32 = folder + "\\rundll32.exe";
        auto& shell = m_platform.Shell();
        if (rights == Rights::kUser) {
            if (shell.RunCommandLine(QuoteArgument(rundll32) + " " + arguments, plat::sw::kShow)
                    .failed()) {
                Fail(text::kControlPanelError);
            }
            return;
        }
        // Only the shell elevates: the same line through it.
        if (shell.Execute(m_owner, Verb(rights), rundll32, arguments, "", plat::sw::kShow)
                .failed()) {
            Fail(text::kControlPanelError);
        }
    } else {
        // A document is opened by the program of its type; our parameters mean nothing to it.
        ShellStart("", rights);
    }
}

bool CAppStart::StartWithFile(const std::string& file, Rights rights) {
    // A batch file is run by cmd, which reads its line by rules of its own.
    const bool batch = EqualsNoCase(m_ext, ".bat") || EqualsNoCase(m_ext, ".cmd");
    return ShellStart(batch ? QuoteBatchArgument(file) : QuoteArgument(file), rights);
}

bool CAppStart::ShellStart(const std::string& parameters, Rights rights) {
    const plat::StartOutcome outcome = m_platform.Shell().Execute(
        m_owner, Verb(rights), m_appName, parameters, StartDirectory(), ShowCommand());
    // The box names the entry only: the system's reason means little next to it.
    if (outcome.failed()) Fail(Format(text::kStartFailed, m_appName));
    return outcome.started();
}

void CAppStart::Fail(const std::string& message) {
    m_platform.Dialogs().ShowMessageBox(m_owner, message,
                                        plat::mb::kOk | plat::mb::kIconExclamation);
}
