// Time in memory.
#pragma once

#include <cstdint>

#include "platform/Clock.h"

namespace fake {

// Time stands still until a test moves it.
class FakeClock : public plat::IClock {
  public:
    plat::LocalTime Now() override { return now; }
    std::int64_t CalendarSeconds() override { return seconds; }
    plat::LocalTime now{2026, 12, 9, 8, 5, 0};
    std::int64_t seconds = 1796803500;
};

}  // namespace fake
