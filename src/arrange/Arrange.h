// Where the buttons go when they are lined up or spread: pure layouts over their sizes, so the
// main window only moves the buttons to the places computed here.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Types.h"

// Side by side from `anchor`, a new line at the anchor's x when the next cell would pass the
// right edge (`screenWidth`, the x of the monitor's right edge). Lines hang from their top edge
// (`downward`) or stand on their bottom edge, new lines going above.
std::vector<plat::Point> RowLayout(plat::Point anchor, const std::vector<int>& sizes,
                                   int screenWidth, bool downward);
// The same with the axes exchanged: columns share their left edge (`rightward`) or their right;
// `screenHeight` is the y of the monitor's bottom edge.
std::vector<plat::Point> ColumnLayout(plat::Point anchor, const std::vector<int>& sizes,
                                      int screenHeight, bool rightward);

// The runtime library's generator, written out so that one seed gives one layout everywhere.
class CRandom {
  public:
    explicit CRandom(std::uint32_t seed) : m_state(seed) {}
    // 0 ... 32767.
    int Next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }

  private:
    std::uint32_t m_state;
};

// Every cell wholly on the screen, x drawn before y, buttons in order. A button as large as
// the screen on an axis has no place to be drawn there and goes to 0.
std::vector<plat::Point> SpreadLayout(const std::vector<int>& sizes, plat::Size screen,
                                      CRandom& random);
