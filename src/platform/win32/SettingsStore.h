// The settings store in HKEY_CURRENT_USER\Software\<maker>\<application>\<section>.
#pragma once

#include <windows.h>

#include <string>

#include "platform/Platform.h"
#include "platform/win32/Handles.h"

namespace win32 {

class SettingsStore : public plat::ISettingsStore {
  public:
    SettingsStore() = default;
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;
    ~SettingsStore() override = default;

    void SetLocation(std::string_view maker, std::string_view application) override;
    int ReadInt(std::string_view section, std::string_view key, int fallback) override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    // One value is written whole or not at all, a sequence is not: the journal that wraps this
    // store makes a change whole, so here a change has no bounds of its own.
    void BeginChange() override {}
    void CommitChange() override {}

  private:
    // The section's key, opened (and so created) on first use. Values are read and written
    // section by section, so the last section's key stays open until another is asked for.
    // A key deleted by someone else while it is open is opened (and created) anew, once.
    template <class Query>
    LONG InSection(std::string_view section, Query query);
    HKEY Section(std::string_view section);
    void CloseKeys();

    std::wstring m_root;  // Software\<maker>\<application>
    Key m_app;
    Key m_section;
    std::string m_sectionName;
};

}  // namespace win32
