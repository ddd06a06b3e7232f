// The settings store in Brisalto.ini beside the program (portable mode). The file is read whole
// at start-up and written whole at the end of each finished change: into a new file in the same
// folder, flushed, then put in the old one's place in one step.
#pragma once

#include <string>
#include <string_view>

#include "app/FileStore.h"

namespace win32 {

class FileSettingsStore : public FileStore {
  public:
    explicit FileSettingsStore(std::wstring path) : m_path(std::move(path)) {}

    // The settings file beside the running program when there is one, else nothing.
    static std::wstring PortableFile();
    // The settings file in that folder (ending in a backslash) when there is one, with what a
    // kill inside a save left there set right first.
    static std::wstring SettingsFileIn(const std::wstring& folder);

    // A save's steps, one by one: the new file written and flushed, then put in the old one's
    // place. A kill between them leaves the old file whole and a new one that nobody reads; one
    // inside the second leaves either file whole under the settings file's name by the next start.
    bool WriteNewFile(std::string_view bytes);
    bool ReplaceWithNewFile();
    std::wstring NewFilePath() const;

  protected:
    Load LoadBytes(std::string& bytes) override;
    bool CanWrite() override;
    bool SaveBytes(std::string_view bytes) override;

  private:
    std::wstring m_path;
};

}  // namespace win32
