// The icons of the test module, in resource order: sizes 16 to 48, each in a colour of its own.
#pragma once

#include <array>
#include <cstdint>

namespace art {

struct TestIcon {
    int size;
    std::uint32_t argb;
};

inline constexpr std::array<TestIcon, 5> kTestIcons = {
    {{16, 0xFFFF0000}, {24, 0xFF00FF00}, {32, 0xFF0000FF}, {40, 0xFFFFFF00}, {48, 0xFFFF00FF}}};

}  // namespace art
