// The settings store in HKEY_CURRENT_USER\Software\<maker>\<application>\<section>.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace win32 {

class SettingsStore : public plat::ISettingsStore {
  public:
    void SetLocation(std::string_view maker, std::string_view application) override;
    int ReadInt(std::string_view section, std::string_view key, int fallback) override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;

  private:
    std::wstring m_root;  // Software\<maker>\<application>
};

}  // namespace win32
