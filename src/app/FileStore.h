// The settings store in one file (portable mode): the whole file is read at start-up, kept in
// memory, and written whole at the end of every finished change. The file is replaced in one
// step by the adapter, so the replacement is the change's commit: a kill leaves the old file or
// the new one, and no journal is needed.
#pragma once

#include <string>
#include <string_view>

#include "app/SettingsFile.h"
#include "platform/SettingsStore.h"

class FileStore : public plat::ISettingsStore {
  public:
    enum class Load { Found, Missing, TooLarge, Failed };

    // Reads the file; the location names the registry's key, which a file has no use for.
    void SetLocation(std::string_view maker, std::string_view application) override;
    int ReadInt(std::string_view section, std::string_view key, int fallback) override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    void BeginChange() override { ++m_depth; }
    void CommitChange() override;
    plat::StoreHealth Health() override { return m_health; }

    // A change the file did not take yet: it goes with the next one.
    bool Unsaved() const { return m_unsaved; }
    bool HasSection(std::string_view section) const { return m_file.HasSection(section); }
    // Whether the value is there as a DWORD.
    bool HasInt(std::string_view section, std::string_view key) const;

  protected:
    // The file's bytes, at most kMaxSettingsFileBytes of them.
    virtual Load LoadBytes(std::string& bytes) = 0;
    // Whether the file's folder takes a new file and the file may be replaced.
    virtual bool CanWrite() = 0;
    // Replaces the file whole; false when it could not, and the file is then as it was.
    virtual bool SaveBytes(std::string_view bytes) = 0;

  private:
    void Changed();

    SettingsFile m_file;
    int m_depth = 0;
    bool m_unsaved = false;
    plat::StoreHealth m_health = plat::StoreHealth::Kept;
};
