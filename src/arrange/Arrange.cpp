#include "arrange/Arrange.h"

#include <algorithm>
#include <utility>

namespace {

// One layout for rows and columns: cells follow each other along one axis from `along`, and a
// new line starts at `along` again, one line's largest size further across, when the next cell
// would pass `limit`. Lines grow across (`forward`) or share their far edge and go back.
// Answers (along, across) for each cell.
std::vector<std::pair<int, int>> Lines(int along, int across, const std::vector<int>& sizes,
                                       int limit, bool forward, int firstLineMax) {
    std::vector<std::pair<int, int>> cells;
    if (sizes.empty()) return cells;
    int a = along, c = across, prev = 0, lineMax = firstLineMax;
    int base = sizes.front();  // from `across` to the far edge of the current line
    for (int s : sizes) {
        a += prev;
        if (forward) {
            if (a + s > limit) {
                a = along;
                c += lineMax;
                lineMax = 0;
            }
        } else {
            c = across + base - s;
            if (a + s > limit) {
                base -= lineMax;
                a = along;
                c -= lineMax;
                lineMax = 0;
            }
        }
        lineMax = std::max(lineMax, s);
        cells.emplace_back(a, c);
        prev = s;
    }
    return cells;
}

}  // namespace

std::vector<plat::Point> RowLayout(plat::Point anchor, const std::vector<int>& sizes,
                                   int screenWidth, bool downward) {
    std::vector<plat::Point> places;
    for (auto [x, y] : Lines(anchor.x, anchor.y, sizes, screenWidth, downward, 0)) {
        places.push_back({x, y});
    }
    return places;
}

std::vector<plat::Point> ColumnLayout(plat::Point anchor, const std::vector<int>& sizes,
                                      int screenHeight, bool rightward) {
    // Unlike a row, a column starts out as wide as the first button: a first button that
    // already passes the bottom edge moves one column over.
    const int firstWidth = sizes.empty() ? 0 : sizes.front();
    std::vector<plat::Point> places;
    for (auto [y, x] : Lines(anchor.y, anchor.x, sizes, screenHeight, rightward, firstWidth)) {
        places.push_back({x, y});
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
