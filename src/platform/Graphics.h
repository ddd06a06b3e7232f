// The drawing port: the button face, text, list rows, icons and fonts, drawn through a
// window's own device context.
#pragma once

#include <string_view>

#include "platform/Types.h"

namespace plat {

// A face drawn without edges of its own: the classic pictures, stretched.
inline constexpr int kClassicFace = 0;

// Drawing, outside or inside the paint cycle, through the window's own device context.
class IGraphics {
  public:
    virtual ~IGraphics() = default;
    // The raised or sunken face, size x size pixels, with the icon on it. With `edge`
    // kClassicFace, the classic pictures (35 x 35) with the icon at (1, 1), or at (2, 2) when
    // pressed, composed off-screen and stretched in one blit. Otherwise the face is composed at
    // its own size, its edges `edge` pixels wide and the icon at its own size centred between
    // them (one edge further in when pressed): nothing is stretched. `focusRing` draws the ring
    // that shows the keyboard focus inside the edges.
    virtual void PaintButtonFace(WindowRef window, bool pressed, const Icon* icon, int size,
                                 int edge, bool focusRing) = 0;
    virtual Font MakeFont(const LogFont& font) = 0;
    virtual LogFont DescribeFont(const Font& font) = 0;
    virtual Size MeasureText(WindowRef window, const Font& font, std::string_view text) = 0;
    // Fills `rect` (client coordinates) with `back` and draws `text` centred on one line.
    virtual void FillAndDrawText(WindowRef window, Rect rect, const Font& font,
                                 std::string_view text, Colour back, Colour textColour) = 0;
    // A list row in the system's colours, highlighted when selected: the rectangle filled and
    // the text drawn `textLeft` pixels in from its left, centred in its top `lineHeight` pixels.
    virtual void PaintListRow(WindowRef window, Rect rect, std::string_view text, bool selected,
                              int textLeft, int lineHeight) = 0;
    virtual void DrawIcon(WindowRef window, const Icon& icon, Point at, int size) = 0;
};

}  // namespace plat
