#include "platform/win32/SettingsStore.h"

#include <vector>

#include "platform/win32/Utf.h"

namespace win32 {

namespace {

// Room for a long path and its arguments.
constexpr size_t kFirstReadChars = 520;

Key CreateKey(HKEY parent, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return Key(key);
}

}  // namespace

void SettingsStore::SetLocation(std::string_view maker, std::string_view application) {
    CloseKeys();
    m_root = L"Software\\" + Widen(maker) + L"\\" + Widen(application);
}

void SettingsStore::CloseKeys() {
    m_section.reset();
    m_app.reset();
    m_sectionName.clear();
}

HKEY SettingsStore::Section(std::string_view section) {
    if (m_section && m_sectionName == section) return m_section.get();
    m_section.reset();
    if (m_root.empty()) return nullptr;
    if (!m_app) m_app = CreateKey(HKEY_CURRENT_USER, m_root);
    if (!m_app) return nullptr;
    m_section = CreateKey(m_app.get(), Widen(section));
    if (m_section) m_sectionName = section;
    return m_section.get();
}

template <class Query>
LONG SettingsStore::InSection(std::string_view section, Query query) {
    HKEY key = Section(section);
    LONG rc = key != nullptr ? query(key) : ERROR_KEY_DELETED;
    if (rc != ERROR_KEY_DELETED) return rc;
    CloseKeys();
    key = Section(section);
    return key != nullptr ? query(key) : ERROR_FILE_NOT_FOUND;
}

int SettingsStore::ReadInt(std::string_view section, std::string_view key, int fallback) {
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const std::wstring name = Widen(key);
    const LONG rc = InSection(section, [&](HKEY k) {
        size = sizeof value;
        return RegQueryValueExW(k, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                                &size);
    });
    if (rc != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return fallback;
    return static_cast<int>(value);
}

std::string SettingsStore::ReadString(std::string_view section, std::string_view key,
                                      std::string_view fallback) {
    const std::wstring name = Widen(key);
    std::string text(fallback);
    InSection(section, [&](HKEY k) -> LONG {
        // One query where the value fits the first buffer, as nearly every one does (each query
        // is a trip to the registry). A longer one is asked again in a buffer of its size,
        // until it fits: it may grow between two queries.
        std::vector<wchar_t> buffer(kFirstReadChars);
        for (int attempt = 0; attempt < 5; ++attempt) {
            DWORD type = 0;
            DWORD got = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
            const LONG rc = RegQueryValueExW(k, name.c_str(), nullptr, &type,
                                             reinterpret_cast<BYTE*>(buffer.data()), &got);
            if (rc == ERROR_MORE_DATA && type == REG_SZ) {
                buffer.assign(got / sizeof(wchar_t) + 1, L'\0');
                continue;
            }
            if (rc != ERROR_SUCCESS || type != REG_SZ) return rc;
            // A stored string need not carry its terminator; stop at the first one if it does.
            std::wstring_view stored(buffer.data(), got / sizeof(wchar_t));
            if (auto nul = stored.find(L'\0'); nul != std::wstring_view::npos)
                stored = stored.substr(0, nul);
            text = Narrow(stored);
            return ERROR_SUCCESS;
        }
        return ERROR_MORE_DATA;
    });
    return text;
}

void SettingsStore::WriteInt(std::string_view section, std::string_view key, int value) {
    const DWORD data = static_cast<DWORD>(value);
    const std::wstring name = Widen(key);
    InSection(section, [&](HKEY k) {
        return RegSetValueExW(k, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                              sizeof data);
    });
}

void SettingsStore::WriteString(std::string_view section, std::string_view key,
                                std::string_view value) {
    const std::wstring data = Widen(value);
    const std::wstring name = Widen(key);
    InSection(section, [&](HKEY k) {
        return RegSetValueExW(k, name.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(data.c_str()),
                              static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    });
}

}  // namespace win32
