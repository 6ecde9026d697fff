// A design as the bytes that are stored: its stream's length, its stored literal
// (length byte, stream, zero byte), made once per design at compile time, where a
// design that would lose a value is stopped.
#pragma once

#include "calculators/PropertyStreamWriter.h"
#include "calculators/StreamDesigns.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace calculators {

template <StreamDesign Design> constexpr std::size_t streamLength(const Design& design)
{
    return encodedLength(design.entries());
}

// The stored literal of a design: `encodeDesign<streamLength(kTimer)>(kTimer)`.
template <std::size_t L, StreamDesign Design>
constexpr std::array<std::uint8_t, L + 2> encodeDesign(const Design& design)
{
    return encodeStream<L>(design.entries());
}

// Whether the design's stream keeps every value it gives; a window's and a timer's store every key.
template <StreamDesign Design> constexpr bool keepsEveryValue(const Design& design)
{
    if constexpr (requires { design.keepsEveryValue(); })
        return design.keepsEveryValue();
    else
        return true;
}

// The stored literal of the design that the constexpr function `DesignOf` gives, made
// once at compile time. The program's streams are all made here, so here a design that
// would lose a value is stopped, with the reason in the compiler's message.
template <auto DesignOf>
inline constexpr auto kStoredStreamOf = [] {
    static_assert(keepsEveryValue(DesignOf()), "a value for a key that this kind's streams do not store");
    return encodeDesign<streamLength(DesignOf())>(DesignOf());
}();

template <const auto& Design> constexpr const auto& designOf() noexcept { return Design; }

// The stored literal of a constexpr design variable.
template <const auto& Design> inline constexpr const auto& kStoredStream = kStoredStreamOf<&designOf<Design>>;

} // namespace calculators
