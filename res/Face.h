// The classic button face, raised and sunken, as bands of four shades: drawn into the two 35 x 35
// pictures at build time and, above 96 dpi, at the button's own size with edges of its scale.
#pragma once

#include <array>

namespace face {

enum class Shade { White, Light, Dark, Black };

// Left, top, right and bottom, the right and bottom edges not included; later bands cover
// earlier ones.
struct Band {
    int left, top, right, bottom;
    Shade shade;
};

// The face `side` pixels square with edges `e` wide: raised, white above and left, a dark
// shadow inside a black one below and right; sunken, the same turned round.
constexpr std::array<Band, 7> Bands(int side, int e, bool pressed) {
    const int f = side;
    using enum Shade;
    if (!pressed) {
        return {{{0, 0, f, f, Light},
                 {0, 0, f - e, e, White},
                 {0, 0, e, f - e, White},
                 {e, f - 2 * e, f - e, f - e, Dark},
                 {f - 2 * e, e, f - e, f - 2 * e, Dark},
                 {0, f - e, f, f, Black},
                 {f - e, 0, f, f, Black}}};
    }
    return {{{0, 0, f, f, Light},
             {0, 0, f, e, Black},
             {0, 0, e, f - e, Black},
             {e, e, f - e, 2 * e, Dark},
             {e, e, 2 * e, f - 2 * e, Dark},
             {0, f - e, f, f, White},
             {f - e, e, f, f, White}}};
}

}  // namespace face
