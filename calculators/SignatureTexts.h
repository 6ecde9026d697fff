// Signature texts derived from a class's name (`kClassName`), through the
// framework's type codes, joined at compile time and stored once: for TextField,
// an accessor returning the class has "%o<TextField>%", a handler taking it
// "%%o<TextField>", and the delegate that binds such a handler "( TextField )".
// The link label's class is the program's own, with no C++ object type behind it,
// so the texts start from the class's name rather than from C++ function types.
#pragma once

#include <fw/Convention.h>
#include <fw/String.h>

#include <string_view>

namespace calculators {

namespace signature_parts {
inline constexpr std::string_view kPercent = "%";
inline constexpr std::string_view kOpen = "( ";
inline constexpr std::string_view kClose = " )";
} // namespace signature_parts

template <class Class>
inline constexpr std::string_view kAccessorSignature
    = fw::kJoined<signature_parts::kPercent, fw::kObjectTypeCode<Class>, signature_parts::kPercent>;

template <class Class>
inline constexpr std::string_view kHandlerMethodSignature
    = fw::kJoined<signature_parts::kPercent, signature_parts::kPercent, fw::kObjectTypeCode<Class>>;

template <class Class>
inline constexpr std::string_view kHandlerSignature
    = fw::kJoined<signature_parts::kOpen, Class::kClassName, signature_parts::kClose>;

} // namespace calculators
