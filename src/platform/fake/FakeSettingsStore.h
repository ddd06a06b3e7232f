// The settings store in memory: typed values by section and key, as the registry holds them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/SettingsStore.h"

namespace fake {

// A value as the registry would hold it: a DWORD, a string, or anything else, which no read
// accepts: any other registry type with any bytes, a DWORD of the wrong length, a string type
// the store does not read (REG_EXPAND_SZ, REG_MULTI_SZ)...
struct Other {
    unsigned type = 3;  // REG_BINARY
    std::string bytes;
    friend bool operator==(const Other&, const Other&) = default;
};
using Value = std::variant<int, std::string, Other>;
using Values = std::map<std::string, std::map<std::string, Value>, std::less<>>;

class FakeSettingsStore : public plat::ISettingsStore {
  public:
    explicit FakeSettingsStore(std::vector<std::string>& log) : m_log(log) {}

    void SetLocation(std::string_view maker, std::string_view application) override;
    int ReadInt(std::string_view section, std::string_view key, int fallback) override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    // A store in memory loses nothing to a kill: the bounds of a change are only counted.
    void BeginChange() override { ++changesBegun; }
    void CommitChange() override { ++changesCommitted; }
    plat::StoreHealth Health() override { return health; }

    // Direct access for arranging and checking, without a log entry.
    void Put(const std::string& section, const std::string& key, Value value);
    std::optional<Value> Get(const std::string& section, const std::string& key) const;
    bool HasSection(const std::string& section) const { return m_values.count(section) != 0; }
    // Everything stored, to carry over to the next start of a test.
    const Values& All() const { return m_values; }
    void Replace(Values values) { m_values = std::move(values); }

    std::string location;
    // A read or write came before the location was set.
    bool touchedBeforeLocation = false;
    int changesBegun = 0;
    int changesCommitted = 0;
    plat::StoreHealth health = plat::StoreHealth::Kept;

  private:
    const Value* Find(std::string_view section, std::string_view key);
    void Touch();

    std::vector<std::string>& m_log;
    Values m_values;
};

}  // namespace fake
