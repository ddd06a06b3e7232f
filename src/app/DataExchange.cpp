#include "app/DataExchange.h"

#include <algorithm>
#include <string>

#include "res/Texts.h"

namespace {
constexpr long long kTooLarge = 10'000'000'000LL;
}

std::optional<long long> ParseNumber(std::string_view text, NumberKind kind) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t digits = i;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        // Anything this large is out of every range; it need not grow further.
        value = std::min(value * 10 + (text[i] - '0'), kTooLarge);
    }
    if (i == digits || i != text.size()) return std::nullopt;
    // An unsigned field takes no minus at all: read by wrap-around, "-4294967196" would pass as
    // 100.
    if (negative && kind == NumberKind::Unsigned) return std::nullopt;
    return negative ? -value : value;
}

namespace {
std::string RangeMessage(int lower, int upper) {
    std::string message = text::kIntegerRange;
    message.replace(message.find("%1"), 2, std::to_string(lower));
    message.replace(message.find("%2"), 2, std::to_string(upper));
    return message;
}
}  // namespace

std::optional<int> ExchangeNumber(plat::IPlatform& platform, plat::IDialog& dialog, int id,
                                  NumberKind kind, int lower, int upper) {
    const std::optional<long long> value = ParseNumber(dialog.ItemText(id), kind);
    std::string message;
    if (!value) {
        message = kind == NumberKind::Unsigned ? text::kPositiveInteger : text::kInteger;
    } else if (*value < lower || *value > upper) {
        message = RangeMessage(lower, upper);
    } else {
        return static_cast<int>(*value);
    }
    platform.Dialogs().ShowMessageBox(dialog.Window(), message,
                                      plat::mb::kOk | plat::mb::kIconExclamation);
    dialog.FocusItem(id, true);
    return std::nullopt;
}
