// Units on screens of any scale. Places are screen pixels; sizes the program keeps are in units of
// a 96-dpi screen and become pixels at the DPI of the monitor they are shown on.
#pragma once

#include <cstdint>

namespace plat {

inline constexpr int kBaseDpi = 96;

// a * b / c rounded half away from zero, as the system's MulDiv; -1 when c is 0 or the result
// does not fit.
constexpr int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    std::int64_t n = static_cast<std::int64_t>(a) * b;
    std::int64_t d = c;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    const std::int64_t q = (n >= 0 ? n + d / 2 : n - d / 2) / d;
    if (q > INT32_MAX || q < INT32_MIN) return -1;
    return static_cast<int>(q);
}

// A length of 96-dpi units in pixels at `dpi`, and back.
constexpr int ScaleToDpi(int units, int dpi) { return MulDiv(units, dpi, kBaseDpi); }
constexpr int UnscaleFromDpi(int pixels, int dpi) { return MulDiv(pixels, kBaseDpi, dpi); }

}  // namespace plat
