// Time on KERNEL32 and the C library.
#pragma once

#include "platform/Platform.h"

namespace win32 {

class Clock : public plat::IClock {
  public:
    plat::LocalTime Now() override;
    std::int64_t CalendarSeconds() override;
};

}  // namespace win32
