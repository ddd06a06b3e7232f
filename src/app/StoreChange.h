// The bounds of one finished change to the store: everything written while one of these lives
// reaches the store whole or not at all.
#pragma once

#include "platform/SettingsStore.h"

class StoreChange {
  public:
    explicit StoreChange(plat::ISettingsStore& store) : m_store(store) { m_store.BeginChange(); }
    ~StoreChange() { m_store.CommitChange(); }
    StoreChange(const StoreChange&) = delete;
    StoreChange& operator=(const StoreChange&) = delete;

  private:
    plat::ISettingsStore& m_store;
};
