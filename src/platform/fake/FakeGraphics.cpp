#include "platform/fake/FakeGraphics.h"

namespace fake {

int& LiveHandles() {
    static int live = 0;
    return live;
}

void FakeGraphics::PaintButtonFace(plat::WindowRef window, bool pressed, const plat::Icon* icon,
                                   int size, int edge, bool focusRing) {
    // The classic face reads as it always has; a drawn one says how wide its edges are.
    m_log.push_back(std::string("Graphics.PaintButtonFace ") + (pressed ? "pressed" : "raised") +
                    " " + std::to_string(size) +
                    (edge == plat::kClassicFace ? "" : " edge " + std::to_string(edge)) +
                    (focusRing ? " ring" : ""));
    faces.push_back({window, pressed, icon != nullptr ? icon->Get() : 0, size, edge, focusRing});
}

plat::Font FakeGraphics::MakeFont(const plat::LogFont& font) {
    m_log.push_back("Graphics.CreateFont " + font.faceName);
    const std::uintptr_t handle = m_nextFont++;
    m_fonts[handle] = font;
    ++LiveHandles();
    return plat::Font(handle, [](std::uintptr_t) { --LiveHandles(); });
}

plat::LogFont FakeGraphics::DescribeFont(const plat::Font& font) {
    auto it = m_fonts.find(font.Get());
    return it == m_fonts.end() ? plat::LogFont{} : it->second;
}

plat::Size FakeGraphics::Extent(const plat::LogFont& font, std::string_view text) const {
    const int height = font.height == 0 ? 16 : (font.height < 0 ? -font.height : font.height);
    return {static_cast<int>(text.size()) * 8, height};
}

plat::Size FakeGraphics::MeasureText(plat::WindowRef, const plat::Font& font,
                                     std::string_view text) {
    return Extent(DescribeFont(font), text);
}

void FakeGraphics::PaintListRow(plat::WindowRef window, plat::Rect rect, std::string_view text,
                                bool selected, int textLeft, int lineHeight) {
    m_log.push_back("Graphics.PaintListRow " + std::string(text) + (selected ? " selected" : ""));
    rows.push_back({window, rect, std::string(text), selected, textLeft, lineHeight});
}

void FakeGraphics::DrawIcon(plat::WindowRef window, const plat::Icon& icon, plat::Point at,
                            int size) {
    m_log.push_back("Graphics.DrawIcon");
    icons.push_back({window, icon.Get(), at, size});
}

void FakeGraphics::FillAndDrawText(plat::WindowRef window, plat::Rect rect, const plat::Font& font,
                                   std::string_view text, plat::Colour back,
                                   plat::Colour textColour) {
    m_log.push_back("Graphics.FillAndDrawText " + std::string(text));
    texts.push_back({window, rect, DescribeFont(font), std::string(text), back, textColour});
}

}  // namespace fake
