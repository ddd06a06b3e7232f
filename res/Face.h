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

// The focus ring of a face `side` pixels square whose window shows `shown` pixels of it (one
// less at 96 dpi, where the face is stretched past the window): a black frame `e` wide just
// inside the outer edge and a white one inside that, so that it stands out on the grey face and
// on any icon.
constexpr std::array<Band, 8> Ring(int shown, int e) {
    const int s = shown;
    using enum Shade;
    return {{{e, e, s - e, 2 * e, Black},
             {e, s - 2 * e, s - e, s - e, Black},
             {e, e, 2 * e, s - e, Black},
             {s - 2 * e, e, s - e, s - e, Black},
             {2 * e, 2 * e, s - 2 * e, 3 * e, White},
             {2 * e, s - 3 * e, s - 2 * e, s - 2 * e, White},
             {2 * e, 2 * e, 3 * e, s - 2 * e, White},
             {s - 3 * e, 2 * e, s - 2 * e, s - 2 * e, White}}};
}

// Where an icon `icon` pixels square goes on a face `side` pixels square with edges `e` wide:
// centred in the room between the edges (one edge above and left, two below and right), one
// edge further right and down when pressed. An icon larger than the room starts at its corner.
constexpr int IconAt(int side, int e, int icon, bool pressed) {
    const int room = side - 3 * e;
    const int margin = icon < room ? (room - icon) / 2 : 0;
    return e + margin + (pressed ? e : 0);
}

}  // namespace face
