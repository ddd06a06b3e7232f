// Units on screens of any scale. Places are screen pixels; sizes the program keeps are in units of
// a 96-dpi screen and become pixels at the DPI of the monitor they are shown on. The two are
// different types, and this file is the one place where one becomes the other.
#pragma once

#include <compare>
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

// A length of one kind. Lengths of a kind add up and compare; a length of the other kind, or a
// bare number, does not mix in without saying what it is.
template <class Kind>
struct Length {
    int value = 0;

    constexpr Length() = default;
    constexpr explicit Length(int v) : value(v) {}
    friend constexpr bool operator==(const Length&, const Length&) = default;
    friend constexpr auto operator<=>(const Length&, const Length&) = default;
    friend constexpr Length operator+(Length a, Length b) { return Length(a.value + b.value); }
    friend constexpr Length operator-(Length a, Length b) { return Length(a.value - b.value); }
    friend constexpr Length operator*(int k, Length a) { return Length(k * a.value); }
    friend constexpr Length operator/(Length a, int k) { return Length(a.value / k); }
    // Printed as the number, wherever a stream is at hand (test messages).
    template <class Stream>
    friend auto operator<<(Stream& out, Length a) -> decltype(out << 0) {
        return out << a.value;
    }
};

struct PixelKind;
struct DipKind;
// Pixels of one screen: what the ports take and answer.
using Px = Length<PixelKind>;
// Units of a 96-dpi screen: what the program keeps and lays out in.
using Dip = Length<DipKind>;

struct DipSize {
    Dip cx;
    Dip cy;
    friend constexpr bool operator==(const DipSize&, const DipSize&) = default;
};

// A length of 96-dpi units in pixels at `dpi`, and back.
constexpr Px ToPx(Dip length, int dpi) { return Px(MulDiv(length.value, dpi, kBaseDpi)); }
constexpr Dip ToDip(Px length, int dpi) { return Dip(MulDiv(length.value, kBaseDpi, dpi)); }

// The side in pixels of the window of a button of `size` on a screen of `dpi`, and back: on a
// 96-dpi screen the window is size - 1 pixels square, while its face is drawn at `size`.
constexpr Px ButtonSide(Dip size, int dpi) { return ToPx(size, dpi) - Px(1); }
constexpr Dip ButtonSize(Px side, int dpi) { return ToDip(side + Px(1), dpi) - Dip(1); }

}  // namespace plat
