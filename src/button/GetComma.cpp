#include "button/GetComma.h"

#include <algorithm>
#include <climits>

int CGetComma::FindComma(int n) const {
    if (n <= 0) return -1;
    int count = 0;
    for (std::size_t i = 0; i < m_text.size(); ++i) {
        if (m_text[i] == ',' && ++count == n) return static_cast<int>(i);
    }
    return -1;
}

int CGetComma::GetInt(int k) const {
    int start = FindComma(k);
    if (start != -1) {
        ++start;
    } else if (k == 0) {
        start = 0;
    }
    int end = FindComma(k + 1);
    if (end == -1 && start >= 0) end = static_cast<int>(m_text.size());
    if (start < 0) return 0;  // item k lies past the last comma
    const int length = end - start;
    if (length <= 0) return 0;
    return LeadingInt(std::string_view(m_text).substr(static_cast<std::size_t>(start),
                                                      static_cast<std::size_t>(length)));
}

int CGetComma::GetCoordinate(int k) const {
    return std::clamp(GetInt(k), -kCoordinateLimit, kCoordinateLimit);
}

ScannedNumber ScanNumber(std::string_view text, Blanks blanks) {
    // Anything this large is out of every range; it need not grow further.
    constexpr long long kTooLarge = 10'000'000'000LL;
    const auto blank = [blanks](char c) {
        if (c == ' ' || c == '\t') return true;
        return blanks == Blanks::Any && c >= '\t' && c <= '\r';
    };
    ScannedNumber n;
    std::size_t i = 0;
    while (i < text.size() && blank(text[i])) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) n.negative = text[i++] == '-';
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        n.value = std::min(n.value * 10 + (text[i] - '0'), kTooLarge);
        n.digits = true;
    }
    n.end = i;
    return n;
}

int LeadingInt(std::string_view text) {
    const ScannedNumber n = ScanNumber(text, Blanks::Any);
    const long long value = n.negative ? -n.value : n.value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}
