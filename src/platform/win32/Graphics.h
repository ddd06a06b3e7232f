// Drawing on GDI32.
#pragma once

#include "platform/Platform.h"

namespace win32 {

class Graphics : public plat::IGraphics {
  public:
    void PaintButtonFace(plat::WindowRef window, bool pressed, const plat::Icon* icon, int size,
                         int edge, bool focusRing) override;
    plat::Font MakeFont(const plat::LogFont& font) override;
    plat::LogFont DescribeFont(const plat::Font& font) override;
    plat::Size MeasureText(plat::WindowRef window, const plat::Font& font,
                           std::string_view text) override;
    void FillAndDrawText(plat::WindowRef window, plat::Rect rect, const plat::Font& font,
                         std::string_view text, plat::Colour back,
                         plat::Colour textColour) override;
    void PaintListRow(plat::WindowRef window, plat::Rect rect, std::string_view text, bool selected,
                      int textLeft, int lineHeight) override;
    void DrawIcon(plat::WindowRef window, const plat::Icon& icon, plat::Point at,
                  int size) override;
};

}  // namespace win32
