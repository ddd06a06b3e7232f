#include "button/FocusMove.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Twice the centre, so that odd sizes stay whole.
struct Centre2 {
    std::int64_t x, y;
};
Centre2 CentreOf(const plat::Rect& r) {
    return {static_cast<std::int64_t>(r.left) + r.right,
            static_cast<std::int64_t>(r.top) + r.bottom};
}

std::optional<std::size_t> Nearest(const std::vector<ButtonPlace>& buttons, std::size_t from,
                                   FocusMove move) {
    const Centre2 here = CentreOf(buttons[from].rect);
    std::optional<std::size_t> best;
    std::int64_t bestDistance = 0;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (i == from || !buttons[i].shown) continue;
        const Centre2 there = CentreOf(buttons[i].rect);
        const std::int64_t dx = there.x - here.x, dy = there.y - here.y;
        // How far it lies along the direction, and how far aside.
        std::int64_t ahead = 0, aside = 0;
        switch (move) {
            case FocusMove::Left:
                ahead = -dx, aside = dy;
                break;
            case FocusMove::Right:
                ahead = dx, aside = dy;
                break;
            case FocusMove::Up:
                ahead = -dy, aside = dx;
                break;
            default:
                ahead = dy, aside = dx;
                break;
        }
        if (ahead <= 0 || std::llabs(aside) > ahead) continue;
        const std::int64_t distance = dx * dx + dy * dy;
        if (!best || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace

std::optional<std::size_t> NextButton(const std::vector<ButtonPlace>& buttons, std::size_t from,
                                      FocusMove move) {
    const std::size_t n = buttons.size();
    switch (move) {
        case FocusMove::First:
            for (std::size_t i = 0; i < n; ++i)
                if (buttons[i].shown) return i;
            return std::nullopt;
        case FocusMove::Last:
            for (std::size_t i = n; i-- > 0;)
                if (buttons[i].shown) return i;
            return std::nullopt;
        case FocusMove::Next:
        case FocusMove::Previous: {
            if (n == 0) return std::nullopt;
            // From nowhere, Next starts at the first and Previous at the last.
            std::size_t i = from < n ? from : (move == FocusMove::Next ? n - 1 : 0);
            for (std::size_t step = 0; step < n; ++step) {
                i = move == FocusMove::Next ? (i + 1) % n : (i + n - 1) % n;
                if (buttons[i].shown) return i;
            }
            return std::nullopt;
        }
        default:
            if (from >= n) return std::nullopt;
            return Nearest(buttons, from, move);
    }
}
