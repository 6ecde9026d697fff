// Accessor records of the window and control classes, beside NativeMethods.h's.
#pragma once

#include "NativeMethods.h"

#include <array>
#include <atomic>
#include <cstdint>

namespace fw::detail {

// "Name.Get" and "Name.Set" of a property bound to these member functions.
template <FixedText Name, auto Getter, auto Setter> std::array<NativeMethod, 2> Accessors()
{
    return AccessorRecords<Name, Getter, Setter>();
}

// "Name.Get" of a property that only the framework writes.
template <FixedText Name, auto Getter> std::array<NativeMethod, 1> ReadAccessor()
{
    return { { GetterRecord<Name, Getter>() } };
}

// Handles tell windows and controls apart for the whole run.
inline std::int32_t NextHandle() noexcept
{
    static std::atomic<std::int32_t> last { 0 };
    return ++last;
}

} // namespace fw::detail
