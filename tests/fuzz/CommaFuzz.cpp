// The comma reader on any text: every item, asked in any order, is a number and never more than
// the text holds; the clock's font list and face name read from the same text stay in bounds.
#include <cstdlib>
#include <string>

#include "button/GetComma.h"
#include "clock/WatchWnd.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CGetComma comma;
    comma.SetString(text);
    for (int k = -2; k <= 16; ++k) {
        const int at = comma.FindComma(k);
        if (at < -1 || at >= static_cast<int>(size) || (at >= 0 && text[at] != ',')) std::abort();
        comma.GetInt(k);
        const int c = comma.GetCoordinate(k);
        if (c < -kCoordinateLimit || c > kCoordinateLimit) std::abort();
    }
    LeadingInt(text);
    const plat::LogFont font = ParseWatchFont(text, text);
    if (font.faceName.size() > text.size()) std::abort();
    return 0;
}
