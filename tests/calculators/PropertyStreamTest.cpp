#include <calculators/PropertyStreamWriter.h>
#include <calculators/StreamDesigns.h>

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

// Designs as the windows carry them, one of each kind and form; one control per row.
// clang-format off
constexpr TimerDesign kSplashTimer{.period = 1000, .mode = 0};
constexpr WindowDesign kAboutWindow{.placement = 2, .width = 284, .height = 340, .title = "", .resizeable = false,
                                    .liveResize = false, .minimizeButton = false};
constexpr WindowDesign kBottleWindow{.width = 600, .height = 400, .title = "Bottle Tool"};
constexpr TextFieldDesign kTF_OB{.name = "TF_OB", .left = 21, .top = 36, .width = 80, .height = 22, .tabIndex = 2,
                                 .text = "0"};
constexpr TextFieldDesign kTF_GalPerHr{.name = "TF_GalPerHr", .left = 79, .top = 267, .width = 101, .height = 25,
                                       .tabIndex = 0, .tabStop = false, .useFocusRing = false, .text = "",
                                       .readOnly = true, .alignment = 2, .initialParent = "GB_main"};
constexpr LabelDesign kLabel1{.name = "Label1", .left = -258, .top = 160, .width = 100, .height = 20, .tabIndex = 0,
                              .text = "Untitled", .textAlign = 0, .storesTabStop = false};
constexpr LabelDesign kLabelAA{.name = "LabelAA", .left = 261, .top = 171, .width = 79, .height = 50,
                               .tabIndex = 10, .text = "Apperent \rAttenuation", .textAlign = 1,
                               .storesTabStop = false};
constexpr LabelDesign kCarbLabel{.name = "Label1", .left = 142, .top = 64, .width = 374, .height = 147,
                                 .tabIndex = 0, .text = "Future home of the new Carbonation tool",
                                 .textAlign = 0, .transparent = true};
constexpr LabelDesign kStDescription{.name = "stDescription", .left = 24, .top = 147, .width = 236, .height = 23,
                                     .lockLeft = false, .lockTop = false, .tabIndex = 3, .text = "",
                                     .textAlign = 1, .bold = true, .keyOrder = KeyOrder::Reversed};
constexpr GroupBoxDesign kGB_main{.name = "GB_main", .left = 20, .top = 16, .width = 505, .height = 329,
                                  .tabIndex = 7, .caption = "Boil Off Calculator"};
constexpr LineDesign kLine1{.name = "Line1", .left = 48, .top = 237, .width = 100, .height = 50,
                            .x1 = 48, .y1 = 237, .x2 = 463, .y2 = 237, .tabIndex = 1, .borderWidth = 1,
                            .lineColor = kBlack, .initialParent = "GB_main"};
constexpr PopupMenuDesign kPM_Boil{.name = "PM_Boil", .left = 65, .top = 153, .width = 200, .height = 20,
                                   .tabIndex = 3,
                                   .initialValue = "Just boiling\rRolling Boil\rVigorus Boil\rMaximum Boil\rForced Boil",
                                   .listIndex = 0,
                                   .helpTag = "This is a rough aproximation compensation factor if you are boiling "
                                              "more vigorusly than necessary.\r\rThis factor will get more refined "
                                              "in future versions.",
                                   .initialParent = "GB_main"};
constexpr SliderDesign kS_Split{.name = "S_Split", .left = 281, .top = 131, .width = 16, .height = 91,
                                .tabIndex = 4, .minimum = 0, .value = 0, .maximum = 100, .lineStep = 1,
                                .pageStep = 20, .liveScroll = false, .tickStyle = 1};
constexpr CanvasDesign kCnvIcon{.name = "cnvIcon", .left = 100, .top = 8, .width = 84, .height = 64, .tabIndex = 0};
constexpr LinkLabelDesign kStHomePage{.url = "https://velmora.example/",
                                      .label = {.name = "StHomePage", .left = 24, .top = 307, .width = 236,
                                                .height = 13, .tabIndex = 6, .text = "Velmora Studios",
                                                .textAlign = 1, .textColor = {0x00, 0x00, 0xCC},
                                                .underline = true}};
constexpr TextAreaDesign kEfCredits{.name = "efCredits", .left = 24, .top = 182, .width = 236, .height = 59,
                                    .tabIndex = 7, .scrollbarVertical = false,
                                    .text = "A collection of brewing calculators.\r\rFirst Beta version",
                                    .readOnly = true, .automaticallyCheckSpelling = true};
// clang-format on

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
    constexpr auto kLiteral = encodeDesign<streamLength(kSplashTimer)>(kSplashTimer);
    constexpr std::array<std::uint8_t, 22> kExpected { 0x14, // length byte: 20
        0x50, 0x65, 0x72, 0x69, 0x6F, 0x64, 0x20, 0x00, 0x00, 0x03, 0xE8, // "Period", blank, 1000
        0x4D, 0x6F, 0x64, 0x65, 0x20, 0x00, 0x00, 0x00, 0x00, // "Mode", blank, 0
        0x00 }; // zero byte
    static_assert(kLiteral == kExpected);
    EXPECT_EQ(kLiteral, kExpected);
    EXPECT_EQ(kStoredStream<kSplashTimer>, kExpected);
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
    testing::Values(ValueCase { "SmallestIndex", { "Index", kNotInControlArray }, { 0x80, 0x00, 0x00, 0x00 } },
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

TEST(PropertyStreamWriter, WindowStreamIs285BytesPlusItsTitle)
{
    const std::tuple<std::string_view, std::size_t> rows[] = { { "Bottle Tool", 296 }, { "", 285 },
        { "Carbonation Tool", 301 }, { "Parti Gyle Tool", 300 }, { "BRIX Tool", 294 } };
    for (const auto& [title, length] : rows) {
        SCOPED_TRACE(title);
        const WindowDesign window { .width = 600, .height = 400, .title = title };
        EXPECT_EQ(streamLength(window), length);
        EXPECT_EQ(readAll(encodeAtRunTime(window)).size(), 22u);
    }

    // Long literals carry FF; only the record's length word gives their length.
    constexpr auto& kAbout = kStoredStream<kAboutWindow>;
    static_assert(kAbout.size() == 285 + 2);
    EXPECT_EQ(kAbout.front(), 0xFF);
    EXPECT_EQ(kAbout.back(), 0x00);
    EXPECT_EQ(kStoredStream<kBottleWindow>.size(), 296u + 2);
    EXPECT_EQ(kStoredStream<kBottleWindow>.front(), 0xFF);

    // A short one carries its length: the line stream of 193 bytes.
    static_assert(streamLength(kLine1) == 193);
    EXPECT_EQ(kStoredStream<kLine1>.front(), 193);
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
        { "Window", keysOf(kAboutWindow.entries()),
            "Placement Width Height MinWidth MinHeight MaxWidth MaxHeight Frame Composite HasBackColor BackColor Title "
            "Visible FullScreen MenuBarVisible CloseButton Resizeable LiveResize MaximizeButton MinimizeButton "
            "FullScreenButton MacProcID" },
        { "TextFieldOnTheWindow", keysOf(kTF_OB.entries()), textField },
        { "TextFieldInAGroupBox", keysOf(kTF_GalPerHr.entries()), textField + " InitialParent" },
        { "LabelWithTabStop", keysOf(kCarbLabel.entries()), labelForward },
        { "LabelWithoutTabStop", keysOf(kLabel1.entries()), labelForward.substr(std::string("TabStop ").size()) },
        { "LabelReversed", keysOf(kStDescription.entries()), labelReversed },
        { "LinkLabel", keysOf(kStHomePage.entries()), "URL " + labelReversed },
        { "GroupBox", keysOf(kGB_main.entries()),
            "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex TabStop "
            "Caption Enabled Visible HelpTag AutoDeactivate TextFont Bold Italic Underline InitialParent" },
        { "Line", keysOf(kLine1.entries()),
            "TabStop TabIndex Name Index Top Left Width Height X1 X2 Y1 Y2 TabPanelIndex Visible BorderWidth LineColor "
            "InitialParent" },
        { "PopupMenu", keysOf(kPM_Boil.entries()),
            "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex TabStop "
            "Enabled InitialValue ListIndex Visible HelpTag AutoDeactivate TextFont Bold Italic Underline DataSource "
            "DataField InitialParent" },
        { "Slider", keysOf(kS_Split.entries()),
            "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex TabStop "
            "Enabled Visible HelpTag AutoDeactivate Minimum Value Maximum LineStep PageStep LiveScroll TickStyle "
            "InitialParent" },
        { "Canvas", keysOf(kCnvIcon.entries()),
            "InitialParent Transparent EraseBackground DoubleBuffer AcceptTabs AcceptFocus UseFocusRing Enabled "
            "AutoDeactivate HelpTag Visible TabStop TabIndex TabPanelIndex LockBottom LockRight LockTop LockLeft "
            "Height "
            "Width Top Left Index Name" },
        { "TextArea", keysOf(kEfCredits.entries()),
            "InitialParent DataField DataSource AutomaticallyCheckSpelling Alignment AcceptTabs LimitText ReadOnly "
            "Mask "
            "Text Underline Italic Bold TextFont HideSelection AutoDeactivate HelpTag Visible Format Enabled BackColor "
            "TextColor UseFocusRing Styled ScrollbarVertical ScrollbarHorizontal Multiline Border TabStop TabIndex "
            "TabPanelIndex LockBottom LockRight LockTop LockLeft Height Width Top Left Index Name" },
        { "Timer", keysOf(kSplashTimer.entries()), "Period Mode" },
    };
    for (const auto& [kind, keys, expected] : rows) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(keys, expected);
    }
}

// Reading a stored literal back gives the design's entries, in order, and ends
// exactly at the length.
template <const auto& Design> void expectRoundTrip(const char* kind)
{
    SCOPED_TRACE(kind);
    constexpr auto& literal = kStoredStream<Design>;
    const auto entries = Design.entries();
    EXPECT_EQ(literal.front(), fw::LengthByte(literal.size() - 2));
    EXPECT_EQ(literal.back(), 0x00);

    const std::vector<fw::StreamRecord> records = readAll(streamOf(literal));
    ASSERT_EQ(records.size(), entries.size());
    for (std::size_t i = 0; i < records.size(); ++i)
        EXPECT_TRUE(sameValue(records[i], entries[i])) << "record " << i << " " << records[i].key;
}

TEST(StreamDesigns, EveryKindReadsBackAsDesigned)
{
    expectRoundTrip<kAboutWindow>("Window");
    // The shorter forms too are read in full, to the length exactly.
    expectRoundTrip<kTF_OB>("TextField without InitialParent");
    expectRoundTrip<kTF_GalPerHr>("TextField with InitialParent");
    expectRoundTrip<kLabelAA>("Label without TabStop");
    expectRoundTrip<kCarbLabel>("Label with TabStop");
    expectRoundTrip<kStDescription>("Label reversed");
    expectRoundTrip<kGB_main>("GroupBox");
    expectRoundTrip<kLine1>("Line");
    expectRoundTrip<kPM_Boil>("PopupMenu");
    expectRoundTrip<kS_Split>("Slider");
    expectRoundTrip<kCnvIcon>("Canvas");
    expectRoundTrip<kStHomePage>("LinkLabel");
    expectRoundTrip<kEfCredits>("TextArea");
    expectRoundTrip<kSplashTimer>("Timer");
}

TEST(StreamDesigns, ReversedLabelReadsAsTheSameRecordsAsForward)
{
    constexpr LabelDesign kForward { .name = "stName",
        .left = 24,
        .top = 84,
        .width = 236,
        .height = 35,
        .tabIndex = 1,
        .text = "Quillfen",
        .textAlign = 1,
        .multiline = true,
        .bold = true };
    LabelDesign reversed = kForward;
    reversed.keyOrder = KeyOrder::Reversed;

    const Bytes forwardStream = encodeAtRunTime(kForward);
    const Bytes reversedStream = encodeAtRunTime(reversed);
    EXPECT_NE(forwardStream, reversedStream);

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
