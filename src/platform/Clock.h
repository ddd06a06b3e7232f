// The clock port: the local wall clock and the calendar time.
#pragma once

#include <cstdint>

namespace plat {

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// Time: the local wall clock, and the calendar time in whole seconds.
class IClock {
  public:
    virtual ~IClock() = default;
    virtual LocalTime Now() = 0;
    virtual std::int64_t CalendarSeconds() = 0;
};

}  // namespace plat
