// Signature texts derived from a class's name (`kClassName`, as the framework's
// type codes are), joined at compile time and stored once: for TextField, an
// accessor returning the class has "%o<TextField>%", a handler taking it
// "%%o<TextField>", and the delegate that binds such a handler "( TextField )".
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace calculators {

template <const std::string_view&... Parts> struct JoinedText {
    static constexpr std::array<char, (Parts.size() + ... + 0)> kChars = [] {
        std::array<char, (Parts.size() + ... + 0)> chars {};
        std::size_t at = 0;
        ((at += Parts.copy(chars.data() + at, Parts.size())), ...);
        return chars;
    }();
};

// The parts, one after another, as one constant text.
template <const std::string_view&... Parts>
inline constexpr std::string_view kJoined { JoinedText<Parts...>::kChars.data(), JoinedText<Parts...>::kChars.size() };

namespace signature_parts {
inline constexpr std::string_view kPercent = "%";
inline constexpr std::string_view kObjectOpen = "o<";
inline constexpr std::string_view kObjectClose = ">";
inline constexpr std::string_view kOpen = "( ";
inline constexpr std::string_view kClose = " )";
} // namespace signature_parts

// An object's type code: "o<TextField>".
template <class Class>
inline constexpr std::string_view kObjectCode
    = kJoined<signature_parts::kObjectOpen, Class::kClassName, signature_parts::kObjectClose>;

template <class Class>
inline constexpr std::string_view kAccessorSignature
    = kJoined<signature_parts::kPercent, kObjectCode<Class>, signature_parts::kPercent>;

template <class Class>
inline constexpr std::string_view kHandlerMethodSignature
    = kJoined<signature_parts::kPercent, signature_parts::kPercent, kObjectCode<Class>>;

template <class Class>
inline constexpr std::string_view kHandlerSignature
    = kJoined<signature_parts::kOpen, Class::kClassName, signature_parts::kClose>;

} // namespace calculators
