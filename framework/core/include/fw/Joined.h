// One table made of several, in order: rows that several classes share, joined
// with a class's own, `Joined(kFocusEvents, std::array { EventRow { "Change", "%%" } })`.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

namespace fw {

template <class T, std::size_t... N> consteval std::array<T, (N + ...)> Joined(const std::array<T, N>&... parts)
{
    std::array<T, (N + ...)> all {};
    auto at = all.begin();
    ((at = std::copy(parts.begin(), parts.end(), at)), ...);
    return all;
}

} // namespace fw
