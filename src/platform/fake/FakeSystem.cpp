#include "platform/fake/FakeSystem.h"

#include "platform/fake/FakeIcons.h"

namespace fake {

std::string FakeSystem::ProgramPath() { return programPath; }

std::string FakeSystem::ProgramVersion() { return programVersion; }

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

void FakeSystem::Beep(int frequency, int milliseconds) {
    m_log.push_back("System.Beep " + std::to_string(frequency) + "," +
                    std::to_string(milliseconds));
    ++beeps;
}

}  // namespace fake
