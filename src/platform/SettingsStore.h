// The settings store port: the per-user store of integers and strings, one section a key.
#pragma once

#include <string>
#include <string_view>

#include "platform/Types.h"

namespace plat {

// Whether this run's changes reach the store.
enum class StoreHealth {
    Kept,
    ReadOnly,  // the store cannot be written: nothing is kept this time
    TooLarge,  // the store is too big to be ours: it is neither read nor written over
};

// The per-user settings store: one key per section below the application key. Opening a section
// creates it; nothing is ever deleted. Reads of a missing or mistyped value give the default.
class ISettingsStore {
  public:
    virtual ~ISettingsStore() = default;
    // Fixes Software\<maker>\<application>; no read or write may come before it.
    virtual void SetLocation(std::string_view maker, std::string_view application) = 0;
    virtual int ReadInt(std::string_view section, std::string_view key, int fallback) = 0;
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view fallback) = 0;
    virtual void WriteInt(std::string_view section, std::string_view key, int value) = 0;
    virtual void WriteString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    // The writes between these two are one finished change: it reaches the store whole or not
    // at all. Calls nest, and only the outermost CommitChange commits; a write outside any
    // change is a change of its own. Reads in between see the change's writes.
    virtual void BeginChange() = 0;
    virtual void CommitChange() = 0;
    // Known once the location is set.
    virtual StoreHealth Health() { return StoreHealth::Kept; }
};

}  // namespace plat
