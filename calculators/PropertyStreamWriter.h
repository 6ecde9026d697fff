// Writing property streams, at compile time.
//
// A stream is a list of entries, each a key of the key table and a value of
// that key's type; the writer lays them out as records (key, one blank, the
// value: Int32 big-endian, Boolean 00/01, Color RGB, String a big-endian byte
// count and the UTF-8 bytes) and wraps them as a stored literal: the length
// byte, the stream, one zero byte. Everything is constexpr so the streams are
// constant data. The design kinds' keys and types are checked with static_asserts
// that give the reason (StreamForms.h); designMistake guards what only the
// writer's own callers could get wrong, and entries made at run time.
#pragma once

#include <fw/Color.h>
#include <fw/PropertyKeys.h>
#include <fw/String.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <span>
#include <string_view>

namespace calculators {

// Deliberately not constexpr: reached during constant evaluation it makes the
// compiler reject the design and point here with the reason; reached at run
// time it is an assertion that always holds.
[[noreturn]] inline void designMistake(const char* what)
{
    std::fprintf(stderr, "property stream design: %s\n", what);
    std::abort();
}

struct StreamValue {
    fw::StreamType type = fw::StreamType::Int32;
    std::int32_t int32 = 0;
    bool boolean = false;
    fw::Color color {};
    std::string_view string {};

    constexpr StreamValue() = default;
    constexpr StreamValue(std::int32_t value)
        : type(fw::StreamType::Int32)
        , int32(value)
    {
    }
    constexpr StreamValue(bool value)
        : type(fw::StreamType::Boolean)
        , boolean(value)
    {
    }
    constexpr StreamValue(fw::Color value)
        : type(fw::StreamType::Color)
        , color(value)
    {
    }
    constexpr StreamValue(std::string_view value)
        : type(fw::StreamType::String)
        , string(value)
    {
    }
    // A string literal is a String value, not the Boolean its pointer would convert to.
    template <std::size_t N>
    constexpr StreamValue(const char (&text)[N])
        : StreamValue(std::string_view(text, N - 1))
    {
    }

    friend constexpr bool operator==(const StreamValue&, const StreamValue&) = default;
};

struct StreamEntry {
    std::string_view key {};
    StreamValue value;
};

// The entries of one stream, built up in a constexpr function: a fixed
// capacity and a count, since the forms of a kind differ in their key sets.
template <std::size_t Capacity> class StreamEntryList {
public:
    constexpr void add(std::string_view key, StreamValue value)
    {
        if (count_ == Capacity)
            designMistake("more entries than the list holds");
        entries_[count_++] = StreamEntry { key, value };
    }
    constexpr void reverse() { std::reverse(entries_.begin(), entries_.begin() + count_); }

    constexpr std::size_t size() const { return count_; }
    constexpr const StreamEntry& operator[](std::size_t index) const { return entries_[index]; }
    constexpr const StreamEntry* begin() const { return entries_.data(); }
    constexpr const StreamEntry* end() const { return entries_.data() + count_; }
    constexpr operator std::span<const StreamEntry>() const { return { entries_.data(), count_ }; }

private:
    std::array<StreamEntry, Capacity> entries_ {};
    std::size_t count_ = 0;
};

constexpr std::size_t encodedValueLength(const StreamValue& value)
{
    const std::size_t text = value.type == fw::StreamType::String ? value.string.size() : 0;
    return fw::FixedValueBytes(value.type) + text;
}

// Whether every key is in the key table.
constexpr bool keysAreInTheKeyTable(std::span<const StreamEntry> entries)
{
    return std::all_of(entries.begin(), entries.end(),
        [](const StreamEntry& entry) { return fw::findPropertyKeyIndex(entry.key) < fw::kPropertyKeys.size(); });
}

// Whether every value has its key's type; a key that the table lacks has none.
constexpr bool valuesHaveTheirKeysTypes(std::span<const StreamEntry> entries)
{
    return std::all_of(entries.begin(), entries.end(), [](const StreamEntry& entry) {
        const std::size_t key = fw::findPropertyKeyIndex(entry.key);
        return key < fw::kPropertyKeys.size() && fw::kPropertyKeys[key].type == entry.value.type;
    });
}

// Every key is in the key table, every value has its key's type and every text's
// length fits a String count. The keys and types of every design kind are checked
// with their reasons when compiled (StreamForms.h); here they guard entries made at run time.
constexpr bool entriesFitKeyTable(std::span<const StreamEntry> entries)
{
    if (!keysAreInTheKeyTable(entries))
        designMistake("a key that the key table lacks");
    if (!valuesHaveTheirKeysTypes(entries))
        designMistake("a value whose type is not its key's");
    for (const StreamEntry& entry : entries)
        if (entry.value.string.size() > std::numeric_limits<std::uint32_t>::max())
            designMistake("a text longer than a String count can say");
    return true;
}

// The stream's length L: the bytes of its records, without length byte and zero byte.
constexpr std::size_t encodedLength(std::span<const StreamEntry> entries)
{
    std::size_t length = 0;
    for (const StreamEntry& entry : entries)
        length += entry.key.size() + sizeof fw::kStreamKeyEnd + encodedValueLength(entry.value);
    return length;
}

// Writes the records into out, which holds at least encodedLength(entries)
// bytes, and returns how many it wrote.
constexpr std::size_t writeStream(std::span<const StreamEntry> entries, std::span<std::uint8_t> out)
{
    entriesFitKeyTable(entries);
    if (out.size() < encodedLength(entries))
        designMistake("an output smaller than the stream");

    std::size_t at = 0;
    const auto put32 = [&](std::uint32_t word) {
        out[at++] = static_cast<std::uint8_t>(word >> 24);
        out[at++] = static_cast<std::uint8_t>(word >> 16);
        out[at++] = static_cast<std::uint8_t>(word >> 8);
        out[at++] = static_cast<std::uint8_t>(word);
    };
    for (const StreamEntry& entry : entries) {
        for (const char c : entry.key)
            out[at++] = static_cast<std::uint8_t>(c);
        out[at++] = fw::kStreamKeyEnd;
        const StreamValue& value = entry.value;
        switch (value.type) {
        case fw::StreamType::Int32:
            put32(static_cast<std::uint32_t>(value.int32));
            break;
        case fw::StreamType::Boolean:
            out[at++] = value.boolean ? 1 : 0;
            break;
        case fw::StreamType::Color:
            out[at++] = value.color.red;
            out[at++] = value.color.green;
            out[at++] = value.color.blue;
            break;
        case fw::StreamType::String:
            put32(static_cast<std::uint32_t>(value.string.size()));
            for (const char c : value.string)
                out[at++] = static_cast<std::uint8_t>(c);
            break;
        }
    }
    return at;
}

// The stored literal of a stream of length L: length byte, the L stream bytes,
// zero byte.
template <std::size_t L> constexpr std::array<std::uint8_t, L + 2> encodeStream(std::span<const StreamEntry> entries)
{
    if (encodedLength(entries) != L)
        designMistake("a stream whose length is not the L it is stored with");
    std::array<std::uint8_t, L + 2> literal {};
    literal[0] = fw::LengthByte(L);
    writeStream(entries, std::span<std::uint8_t>(literal).subspan(1, L));
    literal[L + 1] = 0;
    return literal;
}

} // namespace calculators
