#include "platform/win32/SettingsStore.h"

#include <windows.h>

#include <vector>

#include "platform/win32/Utf.h"

namespace win32 {

namespace {

// Opens (and so creates) the section's key; closes it when it goes out of scope.
class SectionKey {
  public:
    SectionKey(const std::wstring& root, std::string_view section) {
        if (root.empty()) return;
        const std::wstring path = root + L"\\" + Widen(section);
        if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_READ | KEY_WRITE, nullptr, &m_key, nullptr) != ERROR_SUCCESS) {
            m_key = nullptr;
        }
    }
    SectionKey(const SectionKey&) = delete;
    SectionKey& operator=(const SectionKey&) = delete;
    ~SectionKey() {
        if (m_key != nullptr) RegCloseKey(m_key);
    }
    HKEY get() const { return m_key; }

  private:
    HKEY m_key = nullptr;
};

}  // namespace

void SettingsStore::SetLocation(std::string_view maker, std::string_view application) {
    m_root = L"Software\\" + Widen(maker) + L"\\" + Widen(application);
}

int SettingsStore::ReadInt(std::string_view section, std::string_view key, int fallback) {
    SectionKey k(m_root, section);
    if (k.get() == nullptr) return fallback;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const std::wstring name = Widen(key);
    if (RegQueryValueExW(k.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value) {
        return fallback;
    }
    return static_cast<int>(value);
}

std::string SettingsStore::ReadString(std::string_view section, std::string_view key,
                                      std::string_view fallback) {
    SectionKey k(m_root, section);
    if (k.get() == nullptr) return std::string(fallback);
    const std::wstring name = Widen(key);
    // The value may change size between the two queries; ask again until it fits.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExW(k.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
                ERROR_SUCCESS ||
            type != REG_SZ) {
            return std::string(fallback);
        }
        std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
        DWORD got = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        const LONG rc = RegQueryValueExW(k.get(), name.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer.data()), &got);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc != ERROR_SUCCESS || type != REG_SZ) return std::string(fallback);
        // A stored string need not carry its terminator; stop at the first one if it does.
        std::wstring_view text(buffer.data(), got / sizeof(wchar_t));
        if (auto nul = text.find(L'\0'); nul != std::wstring_view::npos) text = text.substr(0, nul);
        return Narrow(text);
    }
    return std::string(fallback);
}

void SettingsStore::WriteInt(std::string_view section, std::string_view key, int value) {
    SectionKey k(m_root, section);
    if (k.get() == nullptr) return;
    const DWORD data = static_cast<DWORD>(value);
    RegSetValueExW(k.get(), Widen(key).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                   sizeof data);
}

void SettingsStore::WriteString(std::string_view section, std::string_view key,
                                std::string_view value) {
    SectionKey k(m_root, section);
    if (k.get() == nullptr) return;
    const std::wstring data = Widen(value);
    RegSetValueExW(k.get(), Widen(key).c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

}  // namespace win32
