#include "platform/fake/FakeSystem.h"

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
