// The notification area in memory: every record passed, and what it shows now.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Tray.h"

namespace fake {

class FakeTray : public plat::ITray {
  public:
    explicit FakeTray(std::vector<std::string>& log) : m_log(log) {}
    bool Notify(plat::TrayAction action, const plat::TrayIconData& data) override;

    // The record as the shell would keep it, the icon as its handle value.
    struct Entry {
        plat::WindowRef window;
        unsigned id, flags, callbackMessage;
        std::uintptr_t icon;
        std::string tip;
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    std::vector<Entry> calls;    // every record passed, adds and deletes alike
    std::optional<Entry> shown;  // what the notification area shows now
    bool succeeds = true;

  private:
    std::vector<std::string>& m_log;
};

}  // namespace fake
