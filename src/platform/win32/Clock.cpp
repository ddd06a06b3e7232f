#include "platform/win32/Clock.h"

#include <windows.h>

#include <ctime>

namespace win32 {

plat::LocalTime Clock::Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::int64_t Clock::CalendarSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace win32
