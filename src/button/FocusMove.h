// Where the keyboard focus goes among the buttons: the one rule for every key that moves it.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/Types.h"

// A button as the keys see it: where it stands, in screen pixels of the whole desktop, and
// whether it is shown.
struct ButtonPlace {
    plat::Rect rect;
    bool shown = true;
};

// What a key asks of the focus: a direction, the next or the previous in the list, the first or
// the last.
enum class FocusMove { Left, Right, Up, Down, Next, Previous, First, Last };

// The button the focus moves to from button `from` (an index into `buttons`); none when no shown
// button lies that way. A direction takes the button whose centre is nearest among those whose
// centres lie that way from the centre of `from`, within a quarter turn about the direction (so
// up-and-right counts as right only while it is more right than up); on a tie the earlier in the
// list. Next and Previous go round the list; First and Last are the first and last shown.
std::optional<std::size_t> NextButton(const std::vector<ButtonPlace>& buttons, std::size_t from,
                                      FocusMove move);
