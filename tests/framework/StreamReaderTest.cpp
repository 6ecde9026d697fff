#include <fw/PropertyKeys.h>
#include <fw/StreamReader.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

using fw::StreamFault;
using fw::StreamReader;
using fw::StreamRecord;
using fw::StreamType;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t countOfType(StreamType type)
{
    return static_cast<std::size_t>(std::count_if(fw::kPropertyKeys.begin(), fw::kPropertyKeys.end(),
        [type](const fw::PropertyKey& key) { return key.type == type; }));
}

constexpr bool namesAreUnique()
{
    for (std::size_t i = 0; i < fw::kPropertyKeys.size(); ++i) {
        if (fw::findPropertyKey(fw::kPropertyKeys[i].name) != &fw::kPropertyKeys[i])
            return false;
    }
    return true;
}

static_assert(countOfType(StreamType::Int32) == 31, "the key table holds 31 Int32 keys");
static_assert(countOfType(StreamType::Boolean) == 38, "the key table holds 38 Boolean keys");
static_assert(countOfType(StreamType::Color) == 3, "the key table holds 3 Color keys");
static_assert(countOfType(StreamType::String) == 14, "the key table holds 14 String keys");
static_assert(namesAreUnique(), "the key table holds each name once");

// Streams are spelt out byte by byte here rather than made by the system's
// writer: the reader must take any well-formed stream, whoever wrote it.
Bytes operator+(Bytes head, const Bytes& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

Bytes text(std::string_view chars) { return Bytes(chars.begin(), chars.end()); }

Bytes key(std::string_view name) { return text(name) + Bytes { ' ' }; }

std::vector<StreamRecord> readAll(const Bytes& stream)
{
    StreamReader reader(stream);
    std::vector<StreamRecord> records;
    StreamRecord record;
    while (reader.next(record))
        records.push_back(record);
    EXPECT_EQ(reader.position(), stream.size());
    return records;
}

TEST(StreamReader, ReadsEachTypeByItsWidthAlone)
{
    const Bytes stream = key("Index") + Bytes { 0x80, 0x00, 0x00, 0x00 } // the smallest Int32
        + key("Left") + Bytes { 0xFF, 0xFF, 0xFE, 0xFE } // -258
        + key("Maximum") + Bytes { 0x00, 0x00, 0x00, 0x64 } // 100
        + key("Width") + Bytes { 0x20, 0x20, 0x20, 0x20 } // blanks inside a value
        + key("Visible") + Bytes { 0x01 } // True
        + key("Bold") + Bytes { 0x00 } // False
        + key("TextColor") + Bytes { 0x00, 0x00, 0xCC } // a link blue
        + key("HelpTag") + Bytes { 0x00, 0x00, 0x00, 0x00 } // ""
        + key("Text") + Bytes { 0x00, 0x00, 0x00, 0x09 } + text("a b\rBr\xC3\xA4u");

    const std::vector<StreamRecord> records = readAll(stream);

    ASSERT_EQ(records.size(), 9u);
    EXPECT_EQ(records[0].key, "Index");
    EXPECT_EQ(records[0].type, StreamType::Int32);
    EXPECT_EQ(records[0].offset, 0u);
    EXPECT_EQ(records[0].int32, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(records[1].offset, 10u);
    EXPECT_EQ(records[1].int32, -258);
    EXPECT_EQ(records[2].int32, 100);
    EXPECT_EQ(records[3].int32, 0x20202020);
    EXPECT_EQ(records[4].type, StreamType::Boolean);
    EXPECT_TRUE(records[4].boolean);
    EXPECT_FALSE(records[5].boolean);
    EXPECT_EQ(records[6].type, StreamType::Color);
    EXPECT_EQ(records[6].color, (fw::Color { 0x00, 0x00, 0xCC }));
    EXPECT_EQ(records[7].type, StreamType::String);
    EXPECT_TRUE(records[7].string.empty());
    EXPECT_EQ(records[8].string, "a b\rBr\xC3\xA4u");
    // Values are views into the stream, not copies.
    EXPECT_EQ(reinterpret_cast<const std::uint8_t*>(records[8].string.data()), stream.data() + stream.size() - 9);
}

TEST(StreamReader, EndsOnlyAtTheLengthAndStaysThere)
{
    StreamReader empty(std::span<const std::uint8_t> {});
    StreamRecord record;
    EXPECT_FALSE(empty.next(record));
    EXPECT_EQ(empty.position(), 0u);

    // A zero byte is not an end marker: only the length ends a stream.
    const Bytes stream = key("Mode") + Bytes { 0x00, 0x00, 0x00, 0x00 };
    StreamReader reader(stream);
    ASSERT_TRUE(reader.next(record));
    EXPECT_EQ(reader.position(), stream.size());
    EXPECT_FALSE(reader.next(record));
    EXPECT_FALSE(reader.next(record));
    EXPECT_EQ(reader.position(), stream.size());
}

struct MalformedCase {
    const char* name;
    Bytes stream;
    StreamFault fault;
    std::string key;
    std::size_t offset;
    std::string message;
};

class MalformedStream : public testing::TestWithParam<MalformedCase> { };

TEST_P(MalformedStream, IsRejectedAtItsRecord)
{
    const MalformedCase& row = GetParam();
    // An exact-size copy, so a read past the end is one past the allocation.
    const Bytes stream = row.stream;
    StreamReader reader(stream);
    StreamRecord record;
    try {
        while (reader.next(record)) { }
        FAIL() << "read to the end without an error";
    } catch (const fw::StreamFormatError& error) {
        EXPECT_EQ(error.fault(), row.fault);
        EXPECT_EQ(error.key(), row.key);
        EXPECT_EQ(error.offset(), row.offset);
        EXPECT_EQ(error.what(), row.message);
        EXPECT_EQ(reader.position(), row.offset);
    }
}

const Bytes kName_abc = key("Name") + Bytes { 0, 0, 0, 3 } + text("abc"); // 12 bytes
const Bytes kVisibleTrue = key("Visible") + Bytes { 1 }; // 9 bytes

INSTANTIATE_TEST_SUITE_P(StreamReader, MalformedStream,
    testing::Values(MalformedCase { "UnknownKey", kName_abc + key("Foo") + Bytes { 0, 0, 0, 0 },
                        StreamFault::UnknownKey, "Foo", 12, "property stream: unknown key \"Foo\" at offset 12" },
        MalformedCase { "KeysAreCaseSensitive", key("width") + Bytes { 0, 0, 0, 1 }, StreamFault::UnknownKey, "width",
            0, "property stream: unknown key \"width\" at offset 0" },
        MalformedCase { "TextWithoutBlankAtTheEnd", kVisibleTrue + text("Wid"), StreamFault::UnknownKey, "Wid", 9,
            "property stream: unknown key \"Wid\" at offset 9" },
        MalformedCase { "ZeroByteAfterTheLastRecord", kVisibleTrue + Bytes { 0x00 }, StreamFault::UnknownKey,
            std::string(1, '\0'), 9, "property stream: unknown key \"\\x00\" at offset 9" },
        MalformedCase { "UnprintableKeyBytesAreEscaped", Bytes { 0x01, 0xFF, '"', ' ', 0x00 }, StreamFault::UnknownKey,
            "\x01\xFF\"", 0, "property stream: unknown key \"\\x01\\xFF\\x22\" at offset 0" },
        MalformedCase { "LongUnknownKeyIsShortened", text(std::string(50, 'K')), StreamFault::UnknownKey,
            std::string(50, 'K'), 0, "property stream: unknown key \"" + std::string(40, 'K') + "...\" at offset 0" },
        MalformedCase { "EmptyKey", Bytes { ' ', 0x00, 0x00, 0x00, 0x00 }, StreamFault::EmptyKey, "", 0,
            "property stream: empty key at offset 0" },
        MalformedCase { "TwoBlanksAfterAValue", kVisibleTrue + Bytes { ' ' } + key("Mode"), StreamFault::EmptyKey, "",
            9, "property stream: empty key at offset 9" },
        MalformedCase { "KnownKeyEndsTheStream", kVisibleTrue + text("Visible"), StreamFault::ValueCutShort, "Visible",
            9, "property stream: Boolean value of \"Visible\" at offset 9 cut short: the stream ends after the key" },
        MalformedCase { "BooleanMissing", key("Visible"), StreamFault::ValueCutShort, "Visible", 0,
            "property stream: Boolean value of \"Visible\" at offset 0 cut short: 1 byte needed, 0 left" },
        MalformedCase { "Int32CutShort", kName_abc + key("Width") + Bytes { 0x00, 0x00, 0x01 },
            StreamFault::ValueCutShort, "Width", 12,
            "property stream: Int32 value of \"Width\" at offset 12 cut short: 4 bytes needed, 3 left" },
        MalformedCase { "ColorCutShort", key("TextColor") + Bytes { 0xFF, 0xFF }, StreamFault::ValueCutShort,
            "TextColor", 0,
            "property stream: Color value of \"TextColor\" at offset 0 cut short: 3 bytes needed, 2 left" },
        MalformedCase { "StringCountCutShort", key("Text") + Bytes { 0x00, 0x00 }, StreamFault::ValueCutShort, "Text",
            0, "property stream: String value of \"Text\" at offset 0 cut short: 4 bytes needed, 2 left" },
        MalformedCase { "StringLongerThanTheRest", kVisibleTrue + key("Text") + Bytes { 0, 0, 0, 5 } + text("abcd"),
            StreamFault::ValueCutShort, "Text", 9,
            "property stream: String value of \"Text\" at offset 9 cut short: 5 bytes counted, 4 left" },
        MalformedCase { "StringCountNearFourGigabytes", key("Title") + Bytes { 0xFF, 0xFF, 0xFF, 0xFF } + text("x"),
            StreamFault::ValueCutShort, "Title", 0,
            "property stream: String value of \"Title\" at offset 0 cut short: 4294967295 bytes counted, 1 left" },
        MalformedCase { "BooleanByteTwo", kName_abc + key("Enabled") + Bytes { 0x02 }, StreamFault::BadBoolean,
            "Enabled", 12, "property stream: Boolean value of \"Enabled\" at offset 12 is 02, not 00 or 01" },
        MalformedCase { "BooleanByteFF", key("Bold") + Bytes { 0xFF }, StreamFault::BadBoolean, "Bold", 0,
            "property stream: Boolean value of \"Bold\" at offset 0 is FF, not 00 or 01" }),
    [](const testing::TestParamInfo<MalformedCase>& info) { return std::string(info.param.name); });

// Every prefix of a well-formed stream either ends on a record boundary and
// reads in full, or is rejected at the record it cuts; none is read past.
TEST(StreamReader, EveryPrefixReadsInFullOrFailsAtTheCutRecord)
{
    const Bytes stream = key("Name") + Bytes { 0, 0, 0, 5 } + text("TF_OB") + key("Left") + Bytes { 0, 0, 0, 21 }
        + key("Visible") + Bytes { 1 } + key("BackColor") + Bytes { 0xFF, 0xFF, 0xFF } + key("Text")
        + Bytes { 0, 0, 0, 0 } + key("Format") + Bytes { 0, 0, 0, 2 } + text("#0");
    const std::vector<std::size_t> boundaries { 0, 14, 23, 32, 45, 54, 67 };
    ASSERT_EQ(boundaries.back(), stream.size());

    for (std::size_t length = 0; length <= stream.size(); ++length) {
        SCOPED_TRACE("prefix of " + std::to_string(length) + " bytes");
        const Bytes prefix(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(length));
        const auto after = std::upper_bound(boundaries.begin(), boundaries.end(), length);
        const std::size_t cutRecord = *(after - 1);
        const bool onBoundary = cutRecord == length;

        StreamReader reader(prefix);
        StreamRecord record;
        std::size_t records = 0;
        try {
            while (reader.next(record))
                ++records;
            EXPECT_TRUE(onBoundary);
            EXPECT_EQ(reader.position(), length);
            EXPECT_EQ(records, static_cast<std::size_t>(after - boundaries.begin() - 1));
        } catch (const fw::StreamFormatError& error) {
            EXPECT_FALSE(onBoundary);
            EXPECT_EQ(error.offset(), cutRecord);
        }
    }
}

} // namespace
