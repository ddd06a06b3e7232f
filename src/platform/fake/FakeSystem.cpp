#include "platform/fake/FakeSystem.h"

#include <algorithm>

#include "button/PathSplit.h"

#include "platform/fake/FakeIcons.h"

namespace fake {

std::string FakeSystem::ProgramPath() { return programPath; }

std::string FakeSystem::ProgramVersion() { return programVersion; }

std::string FakeSystem::SystemFolder() { return systemFolder; }

int FakeSystem::MajorVersion() {
    m_log.push_back("System.MajorVersion");
    return majorVersion;
}

bool FakeSystem::FileExists(std::string_view path) {
    for (const auto& f : existingFiles) {
        if (f == path) return true;
    }
    return false;
}

bool FakeSystem::ReadFile(std::string_view path, std::size_t limit, std::string& bytes) {
    m_log.push_back("System.ReadFile " + std::string(path));
    const auto it = files.find(path);
    if (it == files.end() || it->second.size() > limit) return false;
    bytes = it->second;
    return true;
}

bool FakeSystem::WriteFile(std::string_view path, std::string_view bytes) {
    m_log.push_back("System.WriteFile " + std::string(path));
    if (writesFail) return false;
    files[std::string(path)] = bytes;
    return true;
}

std::string FakeSystem::ExpandEnvironment(std::string_view text) {
    // Names are matched as the system matches them, without regard to case.
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find('%', at);
        const std::size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
        if (close == std::string_view::npos) break;
        const std::string_view name = text.substr(open + 1, close - open - 1);
        const auto it = std::find_if(environment.begin(), environment.end(),
                                     [&](const auto& v) { return EqualsNoCase(v.first, name); });
        out.append(text.substr(at, open - at));
        if (it == environment.end()) {
            out.append(text.substr(open, close - open));
            at = close;
            continue;
        }
        out.append(it->second);
        at = close + 1;
    }
    out.append(text.substr(at));
    return out;
}

bool FakeSystem::OpenWinHelp(plat::WindowRef, std::string_view helpFile) {
    m_log.push_back("System.WinHelp " + std::string(helpFile));
    return winHelpSucceeds;
}

plat::Icon FakeSystem::LoadResourceIcon(int id, int cx, int cy) {
    m_log.push_back("System.LoadResourceIcon " + std::to_string(id) + " " + std::to_string(cx) +
                    "x" + std::to_string(cy));
    return FakeIcons::Make({"resource#" + std::to_string(id), cx});
}

plat::WindowRef FakeSystem::FindTopLevelWindow(std::string_view caption) {
    m_log.push_back("System.FindTopLevelWindow " + std::string(caption));
    for (const auto& c : foreignCaptions) {
        if (c == caption) return plat::WindowRef{1};
    }
    for (const auto& [id, w] : m_windows.windows) {
        if (!w.destroyed && !w.owner && w.text == caption) return plat::WindowRef{id};
    }
    return {};
}

bool FakeSystem::TakeInstanceLock(std::string_view name) {
    m_log.push_back("System.TakeInstanceLock " + std::string(name));
    for (const auto& held : heldLocks) {
        if (held == name) return false;
    }
    heldLocks.emplace_back(name);
    return true;
}

void FakeSystem::RegisterRestart() { m_log.push_back("System.RegisterRestart"); }

void FakeSystem::Beep(int frequency, int milliseconds) {
    m_log.push_back("System.Beep " + std::to_string(frequency) + "," +
                    std::to_string(milliseconds));
    ++beeps;
}

}  // namespace fake
