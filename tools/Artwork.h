// The program's pictures, made from code: the two button faces and the three icons.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace art {

// The sixteen colours of the faces' palette, as 0xRRGGBB.
inline constexpr std::array<std::uint32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
inline constexpr std::uint8_t kBlack = 0;
inline constexpr std::uint8_t kLightGrey = 7;
inline constexpr std::uint8_t kDarkGrey = 8;
inline constexpr std::uint8_t kWhite = 15;

inline constexpr int kFaceSize = 35;

// A face as palette indices, row by row from the top.
struct Face {
    std::array<std::uint8_t, kFaceSize * kFaceSize> pixels{};
    std::uint8_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y * kFaceSize + x)];
    }
};

Face RaisedFace();
Face SunkenFace();

// An icon image as 0xAARRGGBB, row by row from the top.
struct Image {
    int size = 0;
    std::vector<std::uint32_t> argb;
    std::uint32_t At(int x, int y) const { return argb[static_cast<std::size_t>(y * size + x)]; }
};

Image AppIcon(int size);
Image TrayIcon(int size);
Image NoIconCross(int size);

// File images: a 16-colour BMP, and an ICO holding the given images.
std::vector<std::uint8_t> EncodeBmp(const Face& face);
std::vector<std::uint8_t> EncodeIco(const std::vector<Image>& images);

}  // namespace art
