// Handles: numbers that tell windows and controls apart for the whole run.
#pragma once

#include <atomic>
#include <cstdint>

namespace fw::detail {

inline std::int32_t NextHandle() noexcept
{
    static std::atomic<std::int32_t> last { 0 };
    return ++last;
}

} // namespace fw::detail
