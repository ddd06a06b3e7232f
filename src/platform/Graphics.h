// The drawing port: the button face, text, list rows, icons and fonts, drawn through a
// window's own device context.
#pragma once

#include <string_view>

#include "platform/Dpi.h"
#include "platform/Types.h"

namespace plat {

// Drawing, outside or inside the paint cycle, through the window's own device context.
class IGraphics {
  public:
    virtual ~IGraphics() = default;
    // The raised or sunken face (35 x 35) with the icon on it at (1, 1), or at (2, 2) when
    // pressed, composed off-screen and stretched in one blit to size x size. Above 96 dpi the
    // face is composed at size x size itself, its edges and the icon's offset one pixel of that
    // DPI wide, the icon at its own size: nothing is stretched.
    virtual void PaintButtonFace(WindowRef window, bool pressed, const Icon* icon, int size,
                                 int dpi = kBaseDpi) = 0;
    virtual Font MakeFont(const LogFont& font) = 0;
    virtual LogFont DescribeFont(const Font& font) = 0;
    virtual Size MeasureText(WindowRef window, const Font& font, std::string_view text) = 0;
    // Fills `rect` (client coordinates) with `back` and draws `text` centred on one line.
    virtual void FillAndDrawText(WindowRef window, Rect rect, const Font& font,
                                 std::string_view text, Colour back, Colour textColour) = 0;
    // A list row in the system's colours, highlighted when selected: the rectangle filled and
    // the text drawn at x 21, centred in the row's 20 pixels, both in 96-dpi units.
    virtual void PaintListRow(WindowRef window, Rect rect, std::string_view text, bool selected,
                              int dpi = kBaseDpi) = 0;
    virtual void DrawIcon(WindowRef window, const Icon& icon, Point at, int size) = 0;
};

}  // namespace plat
