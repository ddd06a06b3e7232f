// Makes a finished change reach a store whole or not at all, for a store that writes one value
// at a time: the change's writes are gathered, written as one value (the journal), then to their
// own places, and the journal is emptied. A start that finds a journal left by a kill writes it
// again before anything reads the store.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/SettingsStore.h"

// The journal's place: a section of its own, so the sections the program keeps stay as they are.
inline constexpr const char* kJournalSection = "Journal";
inline constexpr const char* kJournalKey = "Change";

class JournalStore : public plat::ISettingsStore {
  public:
    struct Write {
        std::string section;
        std::string key;
        std::variant<int, std::string> value;
        friend bool operator==(const Write&, const Write&) = default;
    };

    explicit JournalStore(plat::ISettingsStore& store) : m_store(store) {}

    void SetLocation(std::string_view maker, std::string_view application) override;
    int ReadInt(std::string_view section, std::string_view key, int fallback) override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    void BeginChange() override;
    void CommitChange() override;
    plat::StoreHealth Health() override { return m_store.Health(); }

    // The journal as one text and back; nothing when the text is not a whole journal.
    static std::string Encode(const std::vector<Write>& writes);
    static std::optional<std::vector<Write>> Decode(std::string_view text);

  private:
    // Writes again a change that a kill interrupted; once, before the store is first used.
    void Recover();
    void Apply(const std::vector<Write>& writes);
    // Writes the finished change: the journal, its values, the journal emptied.
    void Flush();
    void Record(std::string_view section, std::string_view key,
                std::variant<int, std::string> value);
    const Write* Pending(std::string_view section, std::string_view key) const;

    plat::ISettingsStore& m_store;
    int m_depth = 0;
    bool m_recovered = false;
    // The open change's writes in the order they were first made, the last value of each.
    std::vector<Write> m_pending;
    std::map<std::pair<std::string, std::string>, std::size_t> m_index;
};
