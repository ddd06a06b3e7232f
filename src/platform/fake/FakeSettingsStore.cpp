#include "platform/fake/FakeSettingsStore.h"

namespace fake {

namespace {
std::string Join(std::string_view a, std::string_view b) {
    std::string s(a);
    s += '/';
    s += b;
    return s;
}
}  // namespace

void FakeSettingsStore::SetLocation(std::string_view maker, std::string_view application) {
    location = "Software\\" + std::string(maker) + "\\" + std::string(application);
    m_log.push_back("Store.SetLocation " + location);
}

void FakeSettingsStore::Touch() {
    if (location.empty()) touchedBeforeLocation = true;
}

const Value* FakeSettingsStore::Find(std::string_view section, std::string_view key) {
    Touch();
    m_values[std::string(section)];  // opening a section creates it, reading included
    auto s = m_values.find(section);
    auto k = s->second.find(std::string(key));
    return k == s->second.end() ? nullptr : &k->second;
}

int FakeSettingsStore::ReadInt(std::string_view section, std::string_view key, int fallback) {
    m_log.push_back("Store.ReadInt " + Join(section, key));
    const Value* v = Find(section, key);
    if (v == nullptr || !std::holds_alternative<int>(*v)) return fallback;
    return std::get<int>(*v);
}

std::string FakeSettingsStore::ReadString(std::string_view section, std::string_view key,
                                          std::string_view fallback) {
    m_log.push_back("Store.ReadString " + Join(section, key));
    const Value* v = Find(section, key);
    if (v == nullptr || !std::holds_alternative<std::string>(*v)) return std::string(fallback);
    return std::get<std::string>(*v);
}

void FakeSettingsStore::WriteInt(std::string_view section, std::string_view key, int value) {
    m_log.push_back("Store.WriteInt " + Join(section, key) + "=" + std::to_string(value));
    Touch();
    m_values[std::string(section)][std::string(key)] = value;
}

void FakeSettingsStore::WriteString(std::string_view section, std::string_view key,
                                    std::string_view value) {
    m_log.push_back("Store.WriteString " + Join(section, key) + "=" + std::string(value));
    Touch();
    m_values[std::string(section)][std::string(key)] = std::string(value);
}

void FakeSettingsStore::Put(const std::string& section, const std::string& key, Value value) {
    m_values[section][key] = std::move(value);
}

std::optional<Value> FakeSettingsStore::Get(const std::string& section,
                                            const std::string& key) const {
    auto s = m_values.find(section);
    if (s == m_values.end()) return std::nullopt;
    auto k = s->second.find(key);
    if (k == s->second.end()) return std::nullopt;
    return k->second;
}

}  // namespace fake
