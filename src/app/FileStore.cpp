#include "app/FileStore.h"

void FileStore::SetLocation(std::string_view, std::string_view) {
    std::string bytes;
    m_file = {};
    m_unsaved = false;
    switch (LoadBytes(bytes)) {
        case Load::Found:
            m_file = SettingsFile::Parse(bytes);
            m_health = CanWrite() ? plat::StoreHealth::Kept : plat::StoreHealth::ReadOnly;
            break;
        case Load::Missing:
            m_health = CanWrite() ? plat::StoreHealth::Kept : plat::StoreHealth::ReadOnly;
            break;
        case Load::TooLarge:
            m_health = plat::StoreHealth::TooLarge;
            break;
        case Load::Failed:
            // What could not be read is not written over: it may hold everything the user has.
            m_health = plat::StoreHealth::ReadOnly;
            break;
    }
}

int FileStore::ReadInt(std::string_view section, std::string_view key, int fallback) {
    const SettingsFile::Value* value = m_file.Find(section, key);
    const int* n = value != nullptr ? std::get_if<int>(value) : nullptr;
    return n != nullptr ? *n : fallback;
}

std::string FileStore::ReadString(std::string_view section, std::string_view key,
                                  std::string_view fallback) {
    const SettingsFile::Value* value = m_file.Find(section, key);
    const std::string* s = value != nullptr ? std::get_if<std::string>(value) : nullptr;
    return s != nullptr ? *s : std::string(fallback);
}

bool FileStore::HasInt(std::string_view section, std::string_view key) const {
    const SettingsFile::Value* value = m_file.Find(section, key);
    return value != nullptr && std::holds_alternative<int>(*value);
}

void FileStore::WriteInt(std::string_view section, std::string_view key, int value) {
    m_file.Set(section, key, value);
    Changed();
}

void FileStore::WriteString(std::string_view section, std::string_view key,
                            std::string_view value) {
    m_file.Set(section, key, std::string(value));
    Changed();
}

void FileStore::Changed() {
    m_unsaved = true;
    if (m_depth == 0) CommitChange();
}

void FileStore::CommitChange() {
    if (m_depth > 0 && --m_depth > 0) return;
    if (!m_unsaved || m_health != plat::StoreHealth::Kept) return;
    // One whole file a change, however many values it wrote. A file held by another program
    // keeps the change in memory; the next change takes it along.
    if (SaveBytes(m_file.Format())) m_unsaved = false;
}
