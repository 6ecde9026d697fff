// Reading a property stream: records of key, one blank and a value, back to
// back, filling the stream exactly.
//
// The reader walks the stream bytes (the literal's text, without its length
// byte and zero byte) one record at a time and hands each out typed by the key
// table; string values are views into the stream. It accepts any order and any
// subset of keys, and rejects anything it cannot read for certain with a
// StreamFormatError naming the key and the offset of the bad record: the
// format has no way to skip an unknown key or to resynchronise after a short
// value. It never reads outside the bytes it was given.
#pragma once

#include <fw/Color.h>
#include <fw/PropertyKeys.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace fw {

struct StreamRecord {
    std::string_view key;
    StreamType type = StreamType::Int32;
    std::size_t offset = 0; // of the key
    // Only the member of the record's type holds its value; the others stay empty.
    std::int32_t int32 = 0;
    bool boolean = false;
    Color color {};
    std::string_view string;
};

enum class StreamFault : std::uint8_t {
    EmptyKey, // a blank where a key should start
    UnknownKey, // not in the key table, or the stream ends before its blank
    ValueCutShort, // fewer bytes left than the key's type needs
    BadBoolean, // a Boolean byte other than 00 and 01
};

class StreamFormatError : public std::runtime_error {
public:
    StreamFormatError(StreamFault fault, std::string key, std::size_t offset, const std::string& message);

    StreamFault fault() const noexcept { return fault_; }
    const std::string& key() const noexcept { return key_; }
    std::size_t offset() const noexcept { return offset_; } // of the bad record's key

private:
    StreamFault fault_;
    std::string key_;
    std::size_t offset_;
};

class StreamReader {
public:
    explicit StreamReader(std::span<const std::uint8_t> bytes) noexcept
        : bytes_(bytes)
    {
    }

    // The next record, or false once the stream is used up. Throws
    // StreamFormatError and stays on the bad record when it cannot be read.
    bool next(StreamRecord& out);

    // The offset of the next record; equals the length after the last one.
    std::size_t position() const noexcept { return position_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

} // namespace fw
