// A colour as a property stream and the widgets carry it: red, green and blue,
// one byte each.
#pragma once

#include <cstdint>

namespace fw {

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(const Color&, const Color&) = default;
};

} // namespace fw
