#include "app/DataExchange.h"

#include <string>

#include "button/GetComma.h"
#include "res/Texts.h"

// A dialog's number field: blanks are spaces and tabs, and nothing may follow the digits.
std::optional<long long> ParseNumber(std::string_view text, NumberKind kind) {
    const ScannedNumber n = ScanNumber(text, Blanks::SpaceAndTab);
    if (!n.digits || n.end != text.size()) return std::nullopt;
    // An unsigned field takes no minus at all: read by wrap-around, "-4294967196" would pass as
    // 100.
    if (n.negative && kind == NumberKind::Unsigned) return std::nullopt;
    return n.negative ? -n.value : n.value;
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
