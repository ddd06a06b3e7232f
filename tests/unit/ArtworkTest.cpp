#include <gtest/gtest.h>

#include "tools/Artwork.h"

namespace {

using art::kBlack, art::kDarkGrey, art::kLightGrey, art::kWhite;

// The colour each face must have at (x, y), written out from the face rules.
std::uint8_t Raised(int x, int y) {
    if (y == 34 || x == 34) return kBlack;
    if ((y == 0 && x <= 33) || (x == 0 && y <= 33)) return kWhite;
    if ((y == 33 && x >= 1) || (x == 33 && y >= 1 && y <= 32)) return kDarkGrey;
    return kLightGrey;
}
std::uint8_t Sunken(int x, int y) {
    if (y == 0 || (x == 0 && y <= 33)) return kBlack;
    if (y == 34 || (x == 34 && y >= 1)) return kWhite;
    if ((y == 1 && x <= 33) || (x == 1 && y <= 32)) return kDarkGrey;
    return kLightGrey;
}

TEST(Faces, EveryPixelFollowsTheEdgeRules) {
    const art::Face raised = art::RaisedFace();
    const art::Face sunken = art::SunkenFace();
    for (int y = 0; y < art::kFaceSize; ++y) {
        for (int x = 0; x < art::kFaceSize; ++x) {
            EXPECT_EQ(raised.At(x, y), Raised(x, y)) << "raised " << x << "," << y;
            EXPECT_EQ(sunken.At(x, y), Sunken(x, y)) << "sunken " << x << "," << y;
        }
    }
    EXPECT_EQ(art::kPalette[kLightGrey], 0xC0C0C0u);
    EXPECT_EQ(art::kPalette[kDarkGrey], 0x808080u);
    EXPECT_EQ(art::kPalette[kWhite], 0xFFFFFFu);
}

TEST(Faces, EncodeAsA16ColourBitmapBottomRowFirst) {
    const auto bmp = art::EncodeBmp(art::RaisedFace());
    ASSERT_GE(bmp.size(), 118u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[28], 4);  // bits per pixel
    const std::size_t pixels = bmp[10] | bmp[11] << 8;
    EXPECT_EQ(bmp.size(), pixels + 20 * 35);
    // The first stored row is the bottom one: black across.
    EXPECT_EQ(bmp[pixels], kBlack << 4 | kBlack);
    // The last stored row is the top one: white, with the black right end.
    EXPECT_EQ(bmp[pixels + 20 * 34], kWhite << 4 | kWhite);
    EXPECT_EQ(bmp[pixels + 20 * 34 + 17], kBlack << 4);
}

TEST(Icons, TheNoIconCrossIsThinBlackOnTransparency) {
    for (int size : {16, 32}) {
        const art::Image img = art::NoIconCross(size);
        EXPECT_EQ(img.At(size / 2, size / 2) >> 24, 0xFFu);  // the crossing
        EXPECT_EQ(img.At(size / 2, size / 2) & 0xFFFFFF, 0u);
        EXPECT_EQ(img.At(size / 2, 1), 0u);  // off the diagonals: transparent
        EXPECT_EQ(img.At(1, size / 2), 0u);
        int opaque = 0;
        for (auto c : img.argb) opaque += (c >> 24) > 0x80;
        EXPECT_LT(opaque, size * 5) << "a thin cross, not a filled shape";
    }
}

TEST(Icons, EncodeWithBothSizesAndATransparencyMask) {
    const auto ico = art::EncodeIco({art::AppIcon(32), art::AppIcon(16)});
    ASSERT_GT(ico.size(), 6u + 32);
    EXPECT_EQ(ico[2], 1);  // an icon file
    EXPECT_EQ(ico[4], 2);  // two images
    EXPECT_EQ(ico[6], 32);
    EXPECT_EQ(ico[6 + 16], 16);
    const auto app = art::AppIcon(32);
    EXPECT_EQ(app.At(0, 0), 0u) << "rounded corners stay transparent";
    EXPECT_EQ(app.At(16, 16) >> 24, 0xFFu);
}

}  // namespace
