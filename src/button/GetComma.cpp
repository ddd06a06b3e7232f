#include "button/GetComma.h"

#include <algorithm>
#include <climits>
#include <cstdint>

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

int LeadingInt(std::string_view text) {
    std::size_t i = 0;
    auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < text.size() && blank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t{INT_MAX} + 1) value = std::int64_t{INT_MAX} + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}
