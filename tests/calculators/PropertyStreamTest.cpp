// The property streams the program ships: the writer's encoding of each value,
// and the windows' own designs, one of each kind and form, as stored and read back.
#include "about/AquaAboutBoxLarge.h"
#include "calculators/PropertyStreamWriter.h"
#include "calculators/StoredStreams.h"
#include "calculators/StreamForms.h"
#include "calculators/W_BRIX.h"
#include "calculators/W_BoilCalc.h"
#include "calculators/W_Bottle.h"
#include "calculators/W_Carb.h"
#include "calculators/W_Pari.h"

#include <fw/StreamReader.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

using namespace calculators;
using Bytes = std::vector<std::uint8_t>;

// The row named `Name` of window W's design table: its design and the literal the
// creation sequence hands to the framework.
template <class W, fw::FixedText Name> struct Shipped {
    static constexpr std::size_t kIndex = W::template RowOf<Name>();
    static constexpr const auto& design = std::get<kIndex>(W::kControls).design;
    static constexpr const auto& literal = kRowStreamBytes<W, kIndex>;
};

using SplashTimer = Shipped<AquaAboutBoxLarge, "SplashTimer">;
using TF_OB = Shipped<W_BRIX, "TF_OB">; // a text field placed on the window
using TF_GalPerHr = Shipped<W_BoilCalc, "TF_GalPerHr">; // one inside a group box
using Label1 = Shipped<W_BRIX, "Label1">; // a label without TabStop
using LabelAA = Shipped<W_BRIX, "LabelAA">;
using CarbonationNote = Shipped<W_Carb, "Label1">; // a label with TabStop
using StName = Shipped<AquaAboutBoxLarge, "stName">; // labels in reverse order
using StDescription = Shipped<AquaAboutBoxLarge, "stDescription">;
using GB_main = Shipped<W_BoilCalc, "GB_main">;
using Line1 = Shipped<W_BoilCalc, "Line1">;
using PM_Boil = Shipped<W_BoilCalc, "PM_Boil">;
using S_Split = Shipped<W_Bottle, "S_Split">;
using CnvIcon = Shipped<AquaAboutBoxLarge, "cnvIcon">;
using StHomePage = Shipped<AquaAboutBoxLarge, "StHomePage">;
using EfCredits = Shipped<AquaAboutBoxLarge, "efCredits">;

std::vector<fw::StreamRecord> readAll(std::span<const std::uint8_t> stream)
{
    fw::StreamReader reader(stream);
    std::vector<fw::StreamRecord> records;
    fw::StreamRecord record;
    while (reader.next(record))
        records.push_back(record);
    EXPECT_EQ(reader.position(), stream.size());
    return records;
}

// The stream bytes of a stored literal: between the length byte and the zero byte.
template <std::size_t N> std::span<const std::uint8_t> streamOf(const std::array<std::uint8_t, N>& literal)
{
    return std::span<const std::uint8_t>(literal).subspan(1, N - 2);
}

template <class Design> Bytes encodeAtRunTime(const Design& design)
{
    Bytes stream(streamLength(design));
    EXPECT_EQ(writeStream(design.entries(), stream), stream.size());
    return stream;
}

std::string keysOf(std::span<const StreamEntry> entries)
{
    std::string keys;
    for (const StreamEntry& entry : entries)
        keys += (keys.empty() ? "" : " ") + std::string(entry.key);
    return keys;
}

bool sameValue(const fw::StreamRecord& record, const StreamEntry& entry)
{
    if (record.key != entry.key || record.type != entry.value.type)
        return false;
    switch (record.type) {
    case fw::StreamType::Int32:
        return record.int32 == entry.value.int32;
    case fw::StreamType::Boolean:
        return record.boolean == entry.value.boolean;
    case fw::StreamType::Color:
        return record.color == entry.value.color;
    case fw::StreamType::String:
        return record.string == entry.value.string;
    }
    return false;
}

TEST(PropertyStreamWriter, TimerLiteralIsExactlyItsTwentyBytes)
{
    constexpr auto& kLiteral = SplashTimer::literal;
    constexpr std::array<std::uint8_t, 22> kExpected { 0x14, // length byte: 20
        0x50, 0x65, 0x72, 0x69, 0x6F, 0x64, 0x20, 0x00, 0x00, 0x03, 0xE8, // "Period", blank, 1000
        0x4D, 0x6F, 0x64, 0x65, 0x20, 0x00, 0x00, 0x00, 0x00, // "Mode", blank, 0
        0x00 }; // zero byte
    static_assert(kLiteral == kExpected, "the timer's stored stream holds its Period and Mode records");
    EXPECT_EQ(kLiteral, kExpected);
    EXPECT_EQ(encodeDesign<streamLength(SplashTimer::design)>(SplashTimer::design), kExpected);

    // The record handed over: one reference, the length byte's address, 0, the length, UTF-8, 0.
    const fw::String& record = kLiteralOf<SplashTimer::literal>;
    EXPECT_EQ(record.references, 1);
    EXPECT_EQ(record.text, kLiteral.data());
    EXPECT_EQ(record.storage, 0);
    EXPECT_EQ(record.length, 20u);
    EXPECT_EQ(record.encoding, 134217984u);
    EXPECT_EQ(record.reserved, 0);
}

struct ValueCase {
    const char* name;
    StreamEntry entry;
    Bytes value; // the bytes after key and blank
};

class ValueEncoding : public testing::TestWithParam<ValueCase> { };

TEST_P(ValueEncoding, FollowsTheKeysType)
{
    const ValueCase& row = GetParam();
    const StreamEntry entries[] = { row.entry };
    Bytes expected(row.entry.key.begin(), row.entry.key.end());
    expected.push_back(' ');
    expected.insert(expected.end(), row.value.begin(), row.value.end());

    Bytes stream(encodedLength(entries));
    EXPECT_EQ(writeStream(entries, stream), expected.size());
    EXPECT_EQ(stream, expected);
}

INSTANTIATE_TEST_SUITE_P(PropertyStreamWriter, ValueEncoding,
    testing::Values(ValueCase { "SmallestIndex", { "Index", fw::kNotInControlArray }, { 0x80, 0x00, 0x00, 0x00 } },
        ValueCase { "NegativeLeft", { "Left", -258 }, { 0xFF, 0xFF, 0xFE, 0xFE } },
        ValueCase { "Maximum100", { "Maximum", 100 }, { 0x00, 0x00, 0x00, 0x64 } },
        ValueCase { "Period1000", { "Period", 1000 }, { 0x00, 0x00, 0x03, 0xE8 } },
        ValueCase { "True", { "Visible", true }, { 0x01 } }, ValueCase { "False", { "Bold", false }, { 0x00 } },
        ValueCase { "LinkBlue", { "TextColor", fw::Color { 0x00, 0x00, 0xCC } }, { 0x00, 0x00, 0xCC } },
        ValueCase { "EmptyString", { "HelpTag", "" }, { 0x00, 0x00, 0x00, 0x00 } },
        ValueCase { "LineBreakIsOneCR", { "Text", "Real\rAttenuation" },
            { 0x00, 0x00, 0x00, 0x10, 'R', 'e', 'a', 'l', 0x0D, 'A', 't', 't', 'e', 'n', 'u', 'a', 't', 'i', 'o',
                'n' } },
        // Four characters, five bytes: the count is of bytes.
        ValueCase {
            "TwoByteCharacter", { "Title", "Br\xC3\xA4u" }, { 0x00, 0x00, 0x00, 0x05, 'B', 'r', 0xC3, 0xA4, 'u' } }),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

struct ShippedWindow {
    const char* name;
    const WindowDesign& design;
    std::span<const std::uint8_t> literal;
    std::size_t length;
};

template <class W> ShippedWindow shipped(const char* name, std::size_t length)
{
    return { name, W::kWindow, kStoredStream<W::kWindow>, length };
}

TEST(PropertyStreamWriter, WindowStreamIs285BytesPlusItsTitle)
{
    const ShippedWindow windows[] = { shipped<W_Bottle>("Bottle Tool", 296), shipped<AquaAboutBoxLarge>("About", 285),
        shipped<W_Carb>("Carbonation Tool", 301), shipped<W_Pari>("Parti Gyle Tool", 300),
        shipped<W_BRIX>("BRIX Tool", 294), shipped<W_BoilCalc>("Boil Calc", 294) };
    for (const ShippedWindow& window : windows) {
        SCOPED_TRACE(window.name);
        EXPECT_EQ(streamLength(window.design), window.length);
        ASSERT_EQ(window.literal.size(), window.length + 2);
        const Bytes stream = encodeAtRunTime(window.design);
        EXPECT_EQ(stream, Bytes(window.literal.begin() + 1, window.literal.end() - 1)) << "written at run time alike";
        EXPECT_EQ(readAll(stream).size(), 22u);
    }

    // Long literals carry FF; only the record's length word gives their length.
    constexpr auto& kAbout = kStoredStream<AquaAboutBoxLarge::kWindow>;
    static_assert(kAbout.size() == 285 + 2, "the About window's stream is 285 bytes long");
    EXPECT_EQ(kAbout.front(), 0xFF);
    EXPECT_EQ(kAbout.back(), 0x00);
    EXPECT_EQ(kStoredStream<W_Bottle::kWindow>.size(), 296u + 2);
    EXPECT_EQ(kStoredStream<W_Bottle::kWindow>.front(), 0xFF);

    // A short one carries its length: the line stream of 193 bytes.
    static_assert(streamLength(Line1::design) == 193, "the line's stream is 193 bytes long");
    EXPECT_EQ(Line1::literal.front(), 193);
}

// The key orders in which each kind's streams are stored.
TEST(StreamDesigns, ListTheirKeysInTheStoredOrder)
{
    const std::string labelForward
        = "TabStop Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex "
          "Text TextAlign TextColor Multiline Enabled Visible Selectable Transparent HelpTag AutoDeactivate TextFont "
          "Bold Italic Underline DataSource DataField InitialParent";
    const std::string labelReversed
        = "InitialParent DataField DataSource Underline Italic Bold TextFont AutoDeactivate HelpTag Transparent "
          "Selectable Visible Enabled Multiline TextColor TextAlign Text TabIndex TabPanelIndex LockBottom LockRight "
          "LockTop LockLeft Height Width Top Left Index Name TabStop";
    const std::string textField
        = "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex TabStop "
          "Border Password UseFocusRing TextColor BackColor Enabled Format Visible HelpTag AutoDeactivate TextFont "
          "Bold Italic Underline CueText Text Mask ReadOnly LimitText AcceptTabs Alignment AutomaticallyCheckSpelling "
          "DataSource DataField";
    const std::tuple<const char*, std::string, std::string> rows[] = {
        { "Window", keysOf(AquaAboutBoxLarge::kWindow.entries()),
            "Placement Width Height MinWidth MinHeight MaxWidth MaxHeight Frame Composite HasBackColor BackColor Title "
            "Visible FullScreen MenuBarVisible CloseButton Resizeable LiveResize MaximizeButton MinimizeButton "
            "FullScreenButton MacProcID" },
        { "TextFieldOnTheWindow", keysOf(TF_OB::design.entries()), textField },
        { "TextFieldInAGroupBox", keysOf(TF_GalPerHr::design.entries()), textField + " InitialParent" },
        { "LabelWithTabStop", keysOf(CarbonationNote::design.entries()), labelForward },
        { "LabelWithoutTabStop", keysOf(Label1::design.entries()),
            labelForward.substr(std::string("TabStop ").size()) },
        { "LabelReversed", keysOf(StDescription::design.entries()), labelReversed },
        { "LinkLabel", keysOf(StHomePage::design.entries()), "URL " + labelReversed },
        { "GroupBox", keysOf(GB_main::design.entries()),
            "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex TabStop "
            "Caption Enabled Visible HelpTag AutoDeactivate TextFont Bold Italic Underline InitialParent" },
        { "Line", keysOf(Line1::design.entries()),
            "TabStop TabIndex Name Index Top Left Width Height X1 X2 Y1 Y2 TabPanelIndex Visible BorderWidth LineColor "
            "InitialParent" },
        { "PopupMenu", keysOf(PM_Boil::design.entries()),
            "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex TabStop "
            "Enabled InitialValue ListIndex Visible HelpTag AutoDeactivate TextFont Bold Italic Underline DataSource "
            "DataField InitialParent" },
        { "Slider", keysOf(S_Split::design.entries()),
            "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex TabStop "
            "Enabled Visible HelpTag AutoDeactivate Minimum Value Maximum LineStep PageStep LiveScroll TickStyle "
            "InitialParent" },
        { "Canvas", keysOf(CnvIcon::design.entries()),
            "InitialParent Transparent EraseBackground DoubleBuffer AcceptTabs AcceptFocus UseFocusRing Enabled "
            "AutoDeactivate HelpTag Visible TabStop TabIndex TabPanelIndex LockBottom LockRight LockTop LockLeft "
            "Height "
            "Width Top Left Index Name" },
        { "TextArea", keysOf(EfCredits::design.entries()),
            "InitialParent DataField DataSource AutomaticallyCheckSpelling Alignment AcceptTabs LimitText ReadOnly "
            "Mask "
            "Text Underline Italic Bold TextFont HideSelection AutoDeactivate HelpTag Visible Format Enabled BackColor "
            "TextColor UseFocusRing Styled ScrollbarVertical ScrollbarHorizontal Multiline Border TabStop TabIndex "
            "TabPanelIndex LockBottom LockRight LockTop LockLeft Height Width Top Left Index Name" },
        { "Timer", keysOf(SplashTimer::design.entries()), "Period Mode" },
    };
    for (const auto& [kind, keys, expected] : rows) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(keys, expected);
    }
}

// Reading a stored literal back gives the design's entries, in order, and ends
// exactly at the length.
template <std::size_t N>
void expectRoundTrip(const char* kind, const std::array<std::uint8_t, N>& literal, const auto& design)
{
    SCOPED_TRACE(kind);
    const auto entries = design.entries();
    EXPECT_EQ(literal.front(), fw::LengthByte(literal.size() - 2));
    EXPECT_EQ(literal.back(), 0x00);

    const std::vector<fw::StreamRecord> records = readAll(streamOf(literal));
    ASSERT_EQ(records.size(), entries.size());
    for (std::size_t i = 0; i < records.size(); ++i)
        EXPECT_TRUE(sameValue(records[i], entries[i])) << "record " << i << " " << records[i].key;
}

template <class Row> void expectRoundTrip(const char* kind) { expectRoundTrip(kind, Row::literal, Row::design); }

TEST(StreamDesigns, EveryKindReadsBackAsDesigned)
{
    expectRoundTrip("Window", kStoredStream<AquaAboutBoxLarge::kWindow>, AquaAboutBoxLarge::kWindow);
    // The shorter forms too are read in full, to the length exactly.
    expectRoundTrip<TF_OB>("TextField without InitialParent");
    expectRoundTrip<TF_GalPerHr>("TextField with InitialParent");
    expectRoundTrip<LabelAA>("Label without TabStop");
    expectRoundTrip<CarbonationNote>("Label with TabStop");
    expectRoundTrip<StDescription>("Label reversed");
    expectRoundTrip<GB_main>("GroupBox");
    expectRoundTrip<Line1>("Line");
    expectRoundTrip<PM_Boil>("PopupMenu");
    expectRoundTrip<S_Split>("Slider");
    expectRoundTrip<CnvIcon>("Canvas");
    expectRoundTrip<StHomePage>("LinkLabel");
    expectRoundTrip<EfCredits>("TextArea");
    expectRoundTrip<SplashTimer>("Timer");
}

TEST(StreamDesigns, ReversedLabelReadsAsTheSameRecordsAsForward)
{
    const LabelDesign& reversed = StName::design;
    ASSERT_EQ(reversed.keyOrder, KeyOrder::Reversed);
    LabelDesign forwardDesign = reversed;
    forwardDesign.keyOrder = KeyOrder::Forward;

    const Bytes forwardStream = encodeAtRunTime(forwardDesign);
    const Bytes reversedStream = encodeAtRunTime(reversed);
    EXPECT_NE(forwardStream, reversedStream);
    EXPECT_EQ(reversedStream, Bytes(StName::literal.begin() + 1, StName::literal.end() - 1));

    const auto asSortedText = [](const std::vector<fw::StreamRecord>& records) {
        std::vector<std::string> lines;
        for (const fw::StreamRecord& record : records) {
            std::ostringstream line;
            line << record.key << ' ' << static_cast<int>(record.type) << ' ' << record.int32 << ' ' << record.boolean
                 << ' ' << int { record.color.red } << ',' << int { record.color.green } << ','
                 << int { record.color.blue } << " \"" << record.string << '"';
            lines.push_back(line.str());
        }
        std::sort(lines.begin(), lines.end());
        return lines;
    };
    const std::vector<std::string> forward = asSortedText(readAll(forwardStream));
    EXPECT_EQ(forward.size(), 30u);
    EXPECT_EQ(forward, asSortedText(readAll(reversedStream)));
}

} // namespace
