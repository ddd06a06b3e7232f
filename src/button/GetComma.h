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

// The leading-integer rule: blanks, an optional sign, digits up to the first other byte. Values
// past the 32-bit range saturate instead of wrapping.
int LeadingInt(std::string_view text);
