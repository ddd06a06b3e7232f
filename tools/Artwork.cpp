#include "tools/Artwork.h"

#include "res/Face.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace art {

namespace {

void Fill(Face& f, int x0, int x1, int y0, int y1, std::uint8_t colour) {
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x)
            f.pixels[static_cast<std::size_t>(y * kFaceSize + x)] = colour;
    }
}

// Coverage of a shape, sampled 4 x 4 per pixel, so the edges are smooth at 16 pixels too.
using Shape = std::function<std::uint32_t(double x, double y)>;  // ARGB at a point, 0 = outside

Image Render(int size, const Shape& shape) {
    Image img{size, std::vector<std::uint32_t>(static_cast<std::size_t>(size * size), 0)};
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            double a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < 4; ++sy) {
                for (int sx = 0; sx < 4; ++sx) {
                    const double x = (px + (sx + 0.5) / 4) / size;
                    const double y = (py + (sy + 0.5) / 4) / size;
                    const std::uint32_t c = shape(x, y);
                    const double ca = (c >> 24) / 255.0;
                    a += ca;
                    r += ca * ((c >> 16) & 0xFF);
                    g += ca * ((c >> 8) & 0xFF);
                    b += ca * (c & 0xFF);
                }
            }
            if (a <= 0) continue;
            auto ch = [&](double v) { return static_cast<std::uint32_t>(std::lround(v / a)); };
            const auto alpha = static_cast<std::uint32_t>(std::lround(a / 16 * 255));
            img.argb[static_cast<std::size_t>(py * size + px)] =
                alpha << 24 | ch(r) << 16 | ch(g) << 8 | ch(b);
        }
    }
    return img;
}

bool InRoundedSquare(double x, double y, double inset, double radius) {
    const double lo = inset + radius, hi = 1 - inset - radius;
    const double dx = std::max({lo - x, 0.0, x - hi});
    const double dy = std::max({lo - y, 0.0, y - hi});
    return x >= inset && x <= 1 - inset && y >= inset && y <= 1 - inset &&
           dx * dx + dy * dy <= radius * radius;
}

// Distance from (x, y) to the segment (ax, ay)-(bx, by).
double SegmentDistance(double x, double y, double ax, double ay, double bx, double by) {
    const double vx = bx - ax, vy = by - ay;
    const double t = std::clamp(((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
    const double dx = x - (ax + t * vx), dy = y - (ay + t * vy);
    return std::sqrt(dx * dx + dy * dy);
}

// A teal tile with a white arrow leaving it towards the upper right: something set off.
std::uint32_t LaunchMark(double x, double y, double arrowWidth) {
    const bool shaft = SegmentDistance(x, y, 0.28, 0.72, 0.70, 0.30) <= arrowWidth;
    const bool headA = SegmentDistance(x, y, 0.72, 0.28, 0.42, 0.28) <= arrowWidth;
    const bool headB = SegmentDistance(x, y, 0.72, 0.28, 0.72, 0.58) <= arrowWidth;
    if (shaft || headA || headB) return 0xFFFFFFFF;
    if (InRoundedSquare(x, y, 0.04, 0.18)) {
        const auto shade = static_cast<std::uint32_t>(0x40 + 0x50 * (1 - y));
        return 0xFF000000 | 0x10 << 16 | (0x60 + shade / 2) << 8 | (0x70 + shade);
    }
    if (InRoundedSquare(x, y, 0.0, 0.21)) return 0xFF103040;  // a dark rim
    return 0;
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bits,
                   std::uint32_t imageBytes, std::uint32_t colours) {
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bits));
    Put32(out, 0);  // BI_RGB
    Put32(out, imageBytes);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, colours);
    Put32(out, 0);
}

}  // namespace

namespace {

Face Paint(bool pressed) {
    Face f;
    for (const face::Band& b : face::Bands(kFaceSize, 1, pressed)) {
        const std::uint8_t colour = b.shade == face::Shade::White   ? kWhite
                                    : b.shade == face::Shade::Light ? kLightGrey
                                    : b.shade == face::Shade::Dark  ? kDarkGrey
                                                                    : kBlack;
        if (b.right > b.left && b.bottom > b.top)
            Fill(f, b.left, b.right - 1, b.top, b.bottom - 1, colour);
    }
    return f;
}

}  // namespace

Face RaisedFace() { return Paint(false); }

Face SunkenFace() { return Paint(true); }

Image AppIcon(int size) {
    return Render(size, [](double x, double y) { return LaunchMark(x, y, 0.075); });
}

Image TrayIcon(int size) {
    // Bolder strokes: it is only ever seen at 16 pixels.
    return Render(size, [](double x, double y) { return LaunchMark(x, y, 0.10); });
}

Image NoIconCross(int size) {
    const double width = 0.7 / size;  // about a pixel and a half at any size
    return Render(size, [width](double x, double y) -> std::uint32_t {
        const bool onCross = SegmentDistance(x, y, 0.12, 0.12, 0.88, 0.88) <= width ||
                             SegmentDistance(x, y, 0.88, 0.12, 0.12, 0.88) <= width;
        return onCross ? 0xFF000000 : 0;
    });
}

std::vector<std::uint8_t> EncodeBmp(const Face& face) {
    const int rowBytes = ((kFaceSize * 4 + 31) / 32) * 4;
    const auto imageBytes = static_cast<std::uint32_t>(rowBytes * kFaceSize);
    const std::uint32_t offset = 14 + 40 + 16 * 4;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageBytes);
    Put32(out, 0);
    Put32(out, offset);
    PutInfoHeader(out, kFaceSize, kFaceSize, 4, imageBytes, 16);
    for (std::uint32_t c : kPalette) Put32(out, c);  // RGBQUAD is B, G, R, 0: the same bytes
    for (int y = kFaceSize - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(rowBytes), 0);
        for (int x = 0; x < kFaceSize; ++x) {
            const std::uint8_t v = face.At(x, y);
            row[static_cast<std::size_t>(x / 2)] |= (x % 2 == 0) ? v << 4 : v;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<std::uint8_t> EncodeIco(const std::vector<Image>& images) {
    std::vector<std::vector<std::uint8_t>> bodies;
    for (const Image& img : images) {
        const int maskRow = ((img.size + 31) / 32) * 4;
        const auto pixelBytes = static_cast<std::uint32_t>(img.size * img.size * 4);
        const auto maskBytes = static_cast<std::uint32_t>(maskRow * img.size);
        std::vector<std::uint8_t> body;
        PutInfoHeader(body, img.size, img.size * 2, 32, pixelBytes + maskBytes, 0);
        for (int y = img.size - 1; y >= 0; --y) {
            for (int x = 0; x < img.size; ++x) {
                const std::uint32_t c = img.At(x, y);
                Put32(body, c);  // B, G, R, A in memory order
            }
        }
        for (int y = img.size - 1; y >= 0; --y) {
            std::vector<std::uint8_t> row(static_cast<std::size_t>(maskRow), 0);
            for (int x = 0; x < img.size; ++x) {
                if ((img.At(x, y) >> 24) == 0)
                    row[static_cast<std::size_t>(x / 8)] |= 0x80 >> (x % 8);
            }
            body.insert(body.end(), row.begin(), row.end());
        }
        bodies.push_back(std::move(body));
    }
    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto size = static_cast<std::uint8_t>(images[i].size >= 256 ? 0 : images[i].size);
        out.push_back(size);
        out.push_back(size);
        out.push_back(0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<std::uint32_t>(bodies[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
    return out;
}

}  // namespace art
