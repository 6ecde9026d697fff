// The framework's String: an immutable UTF-8 text with a reference count.
//
// A String is a string-literal record of six words. Literals are constant data
// of the program (reference count 1, never freed); the runtime makes others,
// which it frees with their last reference. At the text pointer stand a length
// byte (the length itself below 255, else 255), the text, and a zero byte; only
// the length word gives the length of a long text.
#pragma once

#include <fw/Ref.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace fw {

inline constexpr std::uint32_t kUTF8Encoding = 134217984;

struct String {
    std::int32_t references;
    const std::uint8_t* text; // the length byte
    std::int32_t storage; // 0: constant literal; 1: made by the runtime
    std::uint32_t length;
    std::uint32_t encoding;
    std::int32_t reserved;

    std::string_view view() const noexcept { return { reinterpret_cast<const char*>(text) + 1, length }; }
};

void RuntimeLockString(String* string) noexcept;
void RuntimeUnlockString(String* string) noexcept;
void RuntimeLockUnlockStrings(String* newValue, String* oldValue) noexcept;

inline void lockReference(String* string) noexcept { RuntimeLockString(string); }
inline void unlockReference(String* string) noexcept { RuntimeUnlockString(string); }

using StringRef = Ref<String>;

// A new runtime String holding a copy of the text.
StringRef NewString(std::string_view text);

// The text of a String; nil reads as the empty text.
inline std::string_view Text(const String* string) noexcept { return string ? string->view() : std::string_view {}; }
inline std::string_view Text(const StringRef& string) noexcept { return Text(string.get()); }

// The record of a literal whose bytes (length byte, text, zero byte) are constant data.
constexpr String LiteralRecord(const std::uint8_t* bytes, std::uint32_t length) noexcept
{
    return String { 1, bytes, 0, length, kUTF8Encoding, 0 };
}

constexpr std::uint8_t LengthByte(std::size_t length) noexcept
{
    return length < 255 ? static_cast<std::uint8_t>(length) : 255;
}

template <std::size_t N> struct FixedText {
    char chars[N] {};
    constexpr FixedText(const char (&text)[N])
    {
        for (std::size_t i = 0; i < N; ++i)
            chars[i] = text[i];
    }
    static constexpr std::size_t size = N - 1;
};

// A text given in the code, as a view with static storage.
template <FixedText Text> inline constexpr std::string_view kTextOf { Text.chars, Text.size };

namespace detail {
template <const std::string_view&... Parts> struct JoinedChars {
    static constexpr std::array<char, (Parts.size() + ... + 0)> chars = [] {
        std::array<char, (Parts.size() + ... + 0)> text {};
        std::size_t at = 0;
        ((at += Parts.copy(text.data() + at, Parts.size())), ...);
        return text;
    }();
};
} // namespace detail

// The parts, one after another, as one constant text: signature texts, type codes, "Name.Get".
template <const std::string_view&... Parts>
inline constexpr std::string_view kJoined { detail::JoinedChars<Parts...>::chars.data(),
    detail::JoinedChars<Parts...>::chars.size() };

template <FixedText Text>
inline constexpr auto kLiteralBytes = [] {
    std::array<std::uint8_t, Text.size + 2> bytes {};
    bytes[0] = LengthByte(Text.size);
    for (std::size_t i = 0; i < Text.size; ++i)
        bytes[i + 1] = static_cast<std::uint8_t>(Text.chars[i]);
    return bytes;
}();

template <FixedText Text> inline constinit String kLiteral = LiteralRecord(kLiteralBytes<Text>.data(), Text.size);

// The literal record of a text given in the code: `Literal<"W_BRIX.W_BRIX">()`.
template <FixedText Text> String* Literal() noexcept { return &kLiteral<Text>; }

} // namespace fw
