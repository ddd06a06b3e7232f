// The notification area in memory: every call, and what it shows now.
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
    bool Show(plat::WindowRef window, const plat::Icon& icon, std::string_view tip) override;
    bool ChangeTip(std::string_view tip) override;
    bool Remove() override;
    bool ReturnFocus() override;

    // The icon as the shell would keep it, the picture as its handle value.
    struct Entry {
        plat::WindowRef window;
        std::uintptr_t icon = 0;
        std::string tip;
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    std::vector<Entry> shows;    // every Show, in order
    std::optional<Entry> shown;  // what the notification area shows now
    bool succeeds = true;
    int focusReturns = 0;

  private:
    std::vector<std::string>& m_log;
};

}  // namespace fake
