// Drawing in memory: every face, text, row and icon drawn, and fonts counted while alive.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/Graphics.h"

namespace fake {

// Fonts the fake hands out: counted while alive, so a test sees every one released.
int& LiveHandles();

class FakeGraphics : public plat::IGraphics {
  public:
    explicit FakeGraphics(std::vector<std::string>& log) : m_log(log) {}
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

    struct Face {
        plat::WindowRef window;
        bool pressed;
        std::uintptr_t icon;  // 0: the bare face
        int size;
        int edge = plat::kClassicFace;
        bool focusRing = false;
    };
    struct Text {
        plat::WindowRef window;
        plat::Rect rect;
        plat::LogFont font;
        std::string text;
        plat::Colour back, textColour;
    };
    struct Row {
        plat::WindowRef window;
        plat::Rect rect;
        std::string text;
        bool selected;
        int textLeft;
        int lineHeight;
    };
    struct DrawnIcon {
        plat::WindowRef window;
        std::uintptr_t icon;
        plat::Point at;
        int size;
    };
    std::vector<Face> faces;
    std::vector<Text> texts;
    std::vector<Row> rows;
    std::vector<DrawnIcon> icons;
    // A text's extent in the fake: 8 pixels a byte wide, the font's height (16 for 0) high.
    plat::Size Extent(const plat::LogFont& font, std::string_view text) const;

  private:
    std::vector<std::string>& m_log;
    std::map<std::uintptr_t, plat::LogFont> m_fonts;
    std::uintptr_t m_nextFont = 0x5000;
};

}  // namespace fake
