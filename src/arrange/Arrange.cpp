#include "arrange/Arrange.h"

#include <algorithm>

std::vector<plat::Point> RowLayout(plat::Point anchor, const std::vector<int>& sizes,
                                   int screenWidth, bool downward) {
    std::vector<plat::Point> places;
    if (sizes.empty()) return places;
    int x = anchor.x, y = anchor.y, prev = 0, lineMax = 0;
    int base = sizes.front();  // from the anchor down to the bottom edge of the current line
    for (int s : sizes) {
        x += prev;
        if (downward) {
            if (x + s > screenWidth) {
                x = anchor.x;
                y += lineMax;
                lineMax = 0;
            }
        } else {
            y = anchor.y + base - s;
            if (x + s > screenWidth) {
                base -= lineMax;
                x = anchor.x;
                y -= lineMax;
                lineMax = 0;
            }
        }
        lineMax = std::max(lineMax, s);
        places.push_back({x, y});
        prev = s;
    }
    return places;
}

std::vector<plat::Point> ColumnLayout(plat::Point anchor, const std::vector<int>& sizes,
                                      int screenHeight, bool rightward) {
    std::vector<plat::Point> places;
    if (sizes.empty()) return places;
    int x = anchor.x, y = anchor.y, prev = 0;
    // Unlike a row, a column starts out as wide as the first button: a first button that
    // already passes the bottom edge moves one column over.
    int colMax = sizes.front();
    int base = sizes.front();
    for (int s : sizes) {
        y += prev;
        if (rightward) {
            if (y + s > screenHeight) {
                y = anchor.y;
                x += colMax;
                colMax = 0;
            }
        } else {
            x = anchor.x + base - s;
            if (y + s > screenHeight) {
                base -= colMax;
                y = anchor.y;
                x -= colMax;
                colMax = 0;
            }
        }
        colMax = std::max(colMax, s);
        places.push_back({x, y});
        prev = s;
    }
    return places;
}

namespace {
// A draw below `limit`; none can be when the limit is not above 0.
int DrawBelow(CRandom& random, int limit) {
    if (limit <= 0) return 0;
    int v = random.Next();
    // Limits above the generator's range accept every draw at once.
    while (v >= limit) v = random.Next();
    return v;
}
}  // namespace

std::vector<plat::Point> SpreadLayout(const std::vector<int>& sizes, plat::Size screen,
                                      CRandom& random) {
    std::vector<plat::Point> places;
    for (int s : sizes) {
        const int x = DrawBelow(random, screen.cx - s);
        const int y = DrawBelow(random, screen.cy - s);
        places.push_back({x, y});
    }
    return places;
}
