// The checks a dialog makes on OK, with the fixed messages the user sees when one fails.
#pragma once

#include <optional>
#include <string_view>

#include "platform/Platform.h"

enum class NumberKind { Signed, Unsigned };

// The whole text as a decimal number: blanks before it and a sign are allowed, nothing after.
// An unsigned number takes a plus sign but no minus.
std::optional<long long> ParseNumber(std::string_view text, NumberKind kind);

// The number in edit `id` within lower..upper. When it is no number or out of range, says so
// in a box, puts the focus back into the edit with its text selected, and gives nothing.
std::optional<int> ExchangeNumber(plat::IPlatform& platform, plat::IDialog& dialog, int id,
                                  NumberKind kind, int lower, int upper);
