// Reads integers out of a comma-separated text such as "3,0,100,200,135,235".
#pragma once

#include <string>
#include <string_view>

// Far beyond any desktop, yet no sum or difference of a few such values overflows, whatever a
// hand-edited store holds.
inline constexpr int kCoordinateLimit = 1 << 20;

class CGetComma {
  public:
    void SetString(std::string text) { m_text = std::move(text); }
    // Byte position of the n-th comma (n counted from 1); -1 when there are fewer, or n <= 0.
    int FindComma(int n) const;
    // Item k counted from 0; a missing, empty or non-numeric item reads 0.
    int GetInt(int k) const;
    // Item k as a screen coordinate, kept within +-kCoordinateLimit.
    int GetCoordinate(int k) const;

  private:
    std::string m_text;
};

// The blanks a number may start with.
enum class Blanks {
    // Space, tab, line feed, vertical tab, form feed and return, as the store's texts are read.
    Any,
    // Space and tab only, as a dialog's number field is read.
    SpaceAndTab,
};

struct ScannedNumber {
    // Saturated far beyond the 32-bit range, never wrapped.
    long long value = 0;
    bool negative = false;
    bool digits = false;
    // Where the digits end.
    std::size_t end = 0;
};

// The one number reader: blanks, an optional sign, decimal digits up to the first other byte.
ScannedNumber ScanNumber(std::string_view text, Blanks blanks);

// The leading-integer rule of the store: any blanks, and whatever follows the digits is ignored;
// no digits read 0, and values past the 32-bit range saturate.
int LeadingInt(std::string_view text);
