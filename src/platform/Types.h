// Plain value types and handle owners shared by the logic and both platform adapters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace plat {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    // Every pixel of `other` lies inside.
    bool Covers(const Rect& other) const {
        return left <= other.left && top <= other.top && right >= other.right &&
               bottom >= other.bottom;
    }
    // At least one pixel lies in both.
    bool Overlaps(const Rect& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    // A rectangle of cx by cy with the same centre, give or take the odd pixel.
    Rect Centred(int cx, int cy) const {
        const int x = left + (Width() - cx) / 2, y = top + (Height() - cy) / 2;
        return {x, y, x + cx, y + cy};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A window seen from the logic: a non-owning reference. Windows are destroyed explicitly through
// the window port (or by the platform together with their owner), never by dropping a reference.
struct WindowRef {
    std::uintptr_t value = 0;
    explicit operator bool() const { return value != 0; }
    friend bool operator==(const WindowRef&, const WindowRef&) = default;
};

// A GDI or USER object that the holder must release: icons, fonts, image lists. Move-only, so a
// handle is released exactly once by whoever holds it last; the adapter that made it supplies the
// release function.
class OwnedHandle {
  public:
    using Release = void (*)(std::uintptr_t);

    OwnedHandle() = default;
    OwnedHandle(std::uintptr_t value, Release release) : m_value(value), m_release(release) {}
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    OwnedHandle(OwnedHandle&& other) noexcept
        : m_value(std::exchange(other.m_value, 0)), m_release(other.m_release) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            m_value = std::exchange(other.m_value, 0);
            m_release = other.m_release;
        }
        return *this;
    }
    ~OwnedHandle() { Reset(); }

    void Reset() {
        if (m_value != 0 && m_release != nullptr) m_release(m_value);
        m_value = 0;
    }
    std::uintptr_t Get() const { return m_value; }
    explicit operator bool() const { return m_value != 0; }

  private:
    std::uintptr_t m_value = 0;
    Release m_release = nullptr;
};

// Distinct types so an icon cannot be handed where a font is expected.
class Icon : public OwnedHandle {
    using OwnedHandle::OwnedHandle;
};
class Font : public OwnedHandle {
    using OwnedHandle::OwnedHandle;
};

// A colour as 0x00BBGGRR.
using Colour = std::uint32_t;

// A logical font, field for field as the store keeps it; the face name is UTF-8.
struct LogFont {
    int height = 0, width = 0, escapement = 0, orientation = 0, weight = 0;
    std::uint8_t italic = 0, underline = 0, strikeOut = 0, charSet = 0, outPrecision = 0,
                 clipPrecision = 0, quality = 0, pitchAndFamily = 0;
    std::string faceName;
    friend bool operator==(const LogFont&, const LogFont&) = default;
};

// A face-name field holds 32 UTF-16 units with its terminating zero.
inline constexpr int kFaceNameUnits = 31;

// What a face-name field can hold of `name` (UTF-8): 31 UTF-16 units at most, never half of a
// character.
inline std::string CutFaceName(std::string_view name) {
    int units = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if ((c & 0xC0) == 0x80) continue;
        // Four bytes in UTF-8 are a surrogate pair in UTF-16.
        units += c >= 0xF0 ? 2 : 1;
        if (units > kFaceNameUnits) return std::string(name.substr(0, i));
    }
    return std::string(name);
}

}  // namespace plat
