// The String literal records of the program's constant texts and streams: the
// length byte, the bytes, the zero byte, all constant data, and a record that
// points at them. Made once per text or design, at compile time.
#pragma once

#include "calculators/StoredStreams.h"

#include <fw/String.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <tuple>

namespace calculators {

// The literal record of a String whose bytes (length byte, text, zero byte) are constant data.
template <const auto& Bytes>
inline constinit fw::String kLiteralOf = fw::LiteralRecord(Bytes.data(), static_cast<std::uint32_t>(Bytes.size() - 2));

// A text's literal bytes: the length byte, the text, the zero byte.
template <const std::string_view& Text>
inline constexpr auto kTextBytes = [] {
    std::array<std::uint8_t, Text.size() + 2> bytes {};
    bytes[0] = fw::LengthByte(Text.size());
    for (std::size_t i = 0; i < Text.size(); ++i)
        bytes[i + 1] = static_cast<std::uint8_t>(Text[i]);
    return bytes;
}();

template <const std::string_view& Text> fw::String* TextLiteral() noexcept { return &kLiteralOf<kTextBytes<Text>>; }

// The stored stream of a design, as a String literal.
template <const auto& Design> fw::String* StreamLiteral() noexcept { return &kLiteralOf<kStoredStream<Design>>; }

// The name and the stored stream of row I of a window's controls. They are keyed by
// the window and the row's position: a row is a member of a tuple, and a template
// argument that refers into a tuple would not be told apart from its siblings.
template <class W, std::size_t I> inline constexpr std::string_view kRowName = std::get<I>(W::kControls).name;

template <class W, std::size_t I> constexpr const auto& rowDesign() noexcept
{
    return std::get<I>(W::kControls).design;
}
template <class W, std::size_t I> inline constexpr const auto& kRowStreamBytes = kStoredStreamOf<&rowDesign<W, I>>;

} // namespace calculators
