#include <fw/StreamReader.h>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace fw {

namespace {

// A key in a message is the stream's own bytes, which may be anything: show at
// most this many, with anything but printable ASCII escaped.
constexpr std::size_t kShownKeyBytes = 40;

std::string quoted(std::string_view key)
{
    std::string text = "\"";
    for (const char c : key.substr(0, kShownKeyBytes)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            text += c;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        }
    }
    if (key.size() > kShownKeyBytes)
        text += "...";
    return text + "\"";
}

const char* typeName(StreamType type)
{
    switch (type) {
    case StreamType::Int32:
        return "Int32";
    case StreamType::Boolean:
        return "Boolean";
    case StreamType::Color:
        return "Color";
    case StreamType::String:
        return "String";
    }
    return "?";
}

// "property stream: <subject> at offset <offset><detail>"
[[noreturn]] void fail(StreamFault fault, std::string_view key, std::size_t offset, const std::string& subject,
    const std::string& detail = {})
{
    throw StreamFormatError(fault, std::string(key), offset,
        "property stream: " + subject + " at offset " + std::to_string(offset) + detail);
}

std::string bytes(std::size_t count) { return std::to_string(count) + (count == 1 ? " byte" : " bytes"); }

std::uint32_t bigEndian32(const std::uint8_t* bytes)
{
    return std::uint32_t { bytes[0] } << 24 | std::uint32_t { bytes[1] } << 16 | std::uint32_t { bytes[2] } << 8
        | std::uint32_t { bytes[3] };
}

} // namespace

StreamFormatError::StreamFormatError(StreamFault fault, std::string key, std::size_t offset, const std::string& message)
    : std::runtime_error(message)
    , fault_(fault)
    , key_(std::move(key))
    , offset_(offset)
{
}

bool StreamReader::next(StreamRecord& out)
{
    const std::size_t size = bytes_.size();
    if (position_ == size)
        return false;

    const std::uint8_t* const data = bytes_.data();
    const std::size_t keyStart = position_;
    const std::uint8_t* const blank = std::find(data + keyStart, data + size, kStreamKeyEnd);
    const std::string_view key(
        reinterpret_cast<const char*>(data + keyStart), static_cast<std::size_t>(blank - (data + keyStart)));
    if (key.empty())
        fail(StreamFault::EmptyKey, key, keyStart, "empty key");

    const PropertyKey* const entry = findPropertyKey(key);
    if (entry == nullptr)
        fail(StreamFault::UnknownKey, key, keyStart, "unknown key " + quoted(key));

    // The value starts after the blank; a known key that ends the stream has
    // neither the blank nor a value.
    const std::size_t valueStart = keyStart + key.size() + 1;
    const std::size_t left = valueStart <= size ? size - valueStart : 0;
    const std::size_t width = FixedValueBytes(entry->type);
    const auto subject = [&] { return std::string(typeName(entry->type)) + " value of " + quoted(key); };
    if (valueStart > size)
        fail(StreamFault::ValueCutShort, key, keyStart, subject(), " cut short: the stream ends after the key");
    if (left < width) {
        fail(StreamFault::ValueCutShort, key, keyStart, subject(),
            " cut short: " + bytes(width) + " needed, " + std::to_string(left) + " left");
    }

    const std::uint8_t* const value = data + valueStart;
    StreamRecord record;
    record.key = key;
    record.type = entry->type;
    record.offset = keyStart;
    std::size_t end = valueStart + width;
    switch (entry->type) {
    case StreamType::Int32:
        record.int32 = static_cast<std::int32_t>(bigEndian32(value));
        break;
    case StreamType::Boolean:
        if (value[0] > 1) {
            char shown[3];
            std::snprintf(shown, sizeof shown, "%02X", value[0]);
            fail(StreamFault::BadBoolean, key, keyStart, subject(), std::string(" is ") + shown + ", not 00 or 01");
        }
        record.boolean = value[0] == 1;
        break;
    case StreamType::Color:
        record.color = Color { value[0], value[1], value[2] };
        break;
    case StreamType::String: {
        const std::uint32_t count = bigEndian32(value);
        if (count > left - kStringCountBytes) {
            fail(StreamFault::ValueCutShort, key, keyStart, subject(),
                " cut short: " + bytes(count) + " counted, " + std::to_string(left - kStringCountBytes) + " left");
        }
        record.string = std::string_view(reinterpret_cast<const char*>(value + kStringCountBytes), count);
        end += count;
        break;
    }
    }

    out = record;
    position_ = end;
    return true;
}

} // namespace fw
