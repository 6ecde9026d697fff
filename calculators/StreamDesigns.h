// Design tables for property streams.
//
// A design holds every value its kind's streams carry, with the values that all
// streams share as defaults, so a window's design table names only each
// control's departures:
//
//     TextFieldDesign{.name = "TF_OB", .left = 21, .top = 36, .width = 80, .height = 22, .tabIndex = 2, .text = "0"}
//
// Every control kind shares one design, `ControlDesign<Form>`: its fields are
// every key that control streams carry, declared as a layout reads (name and
// rectangle, keyboard order, what the control shows and how, how it behaves),
// and designated initialisers name them in that order. The kind's form says
// which keys its streams store and in which order; a value given for a key the
// form does not store stops the compilation. The design's own switches drop
// TabStop or reverse the stored order. entries() gives the records in stored
// order; the writer (PropertyStreamWriter.h) turns them into the stored literal.
#pragma once

#include <calculators/PropertyStreamWriter.h>

#include <fw/Color.h>
#include <fw/Control.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace calculators {

inline constexpr std::string_view kSystemFont = "System";
inline constexpr fw::Color kBlack { 0x00, 0x00, 0x00 };
inline constexpr fw::Color kWhite { 0xFF, 0xFF, 0xFF };
// A window may shrink to 64 x 64 and grow to 32000 x 32000 pixels.
inline constexpr std::int32_t kSmallestWindowSide = 64;
inline constexpr std::int32_t kLargestWindowSide = 32000;

enum class KeyOrder : std::uint8_t { Forward, Reversed };

struct WindowDesign {
    std::int32_t placement = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t minWidth = kSmallestWindowSide;
    std::int32_t minHeight = kSmallestWindowSide;
    std::int32_t maxWidth = kLargestWindowSide;
    std::int32_t maxHeight = kLargestWindowSide;
    std::int32_t frame = 0;
    bool composite = false;
    bool hasBackColor = false;
    fw::Color backColor = kWhite;
    std::string_view title {};
    bool visible = true;
    bool fullScreen = false;
    bool menuBarVisible = true;
    bool closeButton = true;
    bool resizeable = true;
    bool liveResize = true;
    bool maximizeButton = false;
    bool minimizeButton = true;
    bool fullScreenButton = false;
    std::int32_t macProcID = 0;

    constexpr StreamEntryList<22> entries() const
    {
        StreamEntryList<22> list;
        list.add("Placement", placement);
        list.add("Width", width);
        list.add("Height", height);
        list.add("MinWidth", minWidth);
        list.add("MinHeight", minHeight);
        list.add("MaxWidth", maxWidth);
        list.add("MaxHeight", maxHeight);
        list.add("Frame", frame);
        list.add("Composite", composite);
        list.add("HasBackColor", hasBackColor);
        list.add("BackColor", backColor);
        list.add("Title", title);
        list.add("Visible", visible);
        list.add("FullScreen", fullScreen);
        list.add("MenuBarVisible", menuBarVisible);
        list.add("CloseButton", closeButton);
        list.add("Resizeable", resizeable);
        list.add("LiveResize", liveResize);
        list.add("MaximizeButton", maximizeButton);
        list.add("MinimizeButton", minimizeButton);
        list.add("FullScreenButton", fullScreenButton);
        list.add("MacProcID", macProcID);
        return list;
    }
};

// How a kind's streams are stored: their keys in stored order, and the defaults in
// which the kinds differ.
struct StreamForm {
    std::string_view keys;
    bool transparent = false;
    bool multiline = false;
    // Stored only where the design names an enclosing control or explicitly the
    // window (""); otherwise InitialParent is stored always, "" for the window.
    bool initialParentOnlyWhenGiven = false;
};

// The first of a form's keys, which it takes off the keys.
constexpr std::string_view takeKey(std::string_view& keys)
{
    // Scanned by index: GCC cannot fold string_view::find's pointer test under UBSan.
    std::size_t end = 0;
    while (end < keys.size() && keys[end] != ' ')
        ++end;
    const std::string_view key = keys.substr(0, end);
    keys.remove_prefix(std::min(keys.size(), key.size() + 1));
    return key;
}

// The keys of the key table that control streams carry, and the most one stream stores.
inline constexpr std::size_t kControlKeyCount = 66;
inline constexpr std::size_t kMostControlKeys = 41;

template <const StreamForm& Form> struct ControlDesign {
    std::string_view name {};
    std::int32_t index = fw::kNotInControlArray;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t x1 = 0; // a line's end points
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
    bool lockLeft = true;
    bool lockTop = true;
    bool lockRight = false;
    bool lockBottom = false;

    std::int32_t tabPanelIndex = 0;
    std::int32_t tabIndex = 0;
    bool tabStop = true;
    bool useFocusRing = true;
    bool acceptFocus = false;
    bool acceptTabs = false;

    std::string_view text {};
    std::string_view caption {};
    std::string_view initialValue {}; // a popup's rows, separated by CR
    std::int32_t listIndex = 0; // the row selected at start, from 0
    std::string_view cueText {};
    std::string_view mask {};
    std::string_view format {};
    std::string_view helpTag {};
    std::string_view url {}; // the page a link label opens
    std::int32_t textAlign = 0; // a label's: no common value, every design gives its own
    std::int32_t alignment = 0;
    bool multiline = Form.multiline;
    bool scrollbarHorizontal = false;
    bool scrollbarVertical = true;
    bool styled = false;
    bool hideSelection = true;

    std::string_view textFont = kSystemFont;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    fw::Color textColor = kBlack;
    fw::Color backColor = kWhite;
    fw::Color lineColor = kBlack;
    std::int32_t borderWidth = 1;
    bool border = true;
    bool transparent = Form.transparent;
    bool eraseBackground = true;
    bool doubleBuffer = false;

    bool enabled = true;
    bool visible = true;
    bool readOnly = false;
    std::int32_t limitText = 0;
    bool password = false;
    bool selectable = false;
    bool autoDeactivate = true;
    bool automaticallyCheckSpelling = false;

    std::int32_t minimum = 0;
    std::int32_t value = 0;
    std::int32_t maximum = 0;
    std::int32_t lineStep = 1;
    std::int32_t pageStep = 1;
    bool liveScroll = false;
    std::int32_t tickStyle = 0;

    std::string_view dataSource {};
    std::string_view dataField {};
    std::optional<std::string_view> initialParent {}; // the enclosing control's Name; none: the window

    // The stream's own form: TabStop stored where the form has it (or not at all),
    // and the form's order or its reverse.
    bool storesTabStop = true;
    KeyOrder keyOrder = KeyOrder::Forward;

    // Every key a control stream can carry, with this design's value.
    constexpr StreamEntryList<kControlKeyCount> allEntries() const
    {
        StreamEntryList<kControlKeyCount> list;
        list.add("Name", name);
        list.add("Index", index);
        list.add("Left", left);
        list.add("Top", top);
        list.add("Width", width);
        list.add("Height", height);
        list.add("X1", x1);
        list.add("Y1", y1);
        list.add("X2", x2);
        list.add("Y2", y2);
        list.add("LockLeft", lockLeft);
        list.add("LockTop", lockTop);
        list.add("LockRight", lockRight);
        list.add("LockBottom", lockBottom);
        list.add("TabPanelIndex", tabPanelIndex);
        list.add("TabIndex", tabIndex);
        list.add("TabStop", tabStop);
        list.add("UseFocusRing", useFocusRing);
        list.add("AcceptFocus", acceptFocus);
        list.add("AcceptTabs", acceptTabs);
        list.add("Text", text);
        list.add("Caption", caption);
        list.add("InitialValue", initialValue);
        list.add("ListIndex", listIndex);
        list.add("CueText", cueText);
        list.add("Mask", mask);
        list.add("Format", format);
        list.add("HelpTag", helpTag);
        list.add("URL", url);
        list.add("TextAlign", textAlign);
        list.add("Alignment", alignment);
        list.add("Multiline", multiline);
        list.add("ScrollbarHorizontal", scrollbarHorizontal);
        list.add("ScrollbarVertical", scrollbarVertical);
        list.add("Styled", styled);
        list.add("HideSelection", hideSelection);
        list.add("TextFont", textFont);
        list.add("Bold", bold);
        list.add("Italic", italic);
        list.add("Underline", underline);
        list.add("TextColor", textColor);
        list.add("BackColor", backColor);
        list.add("LineColor", lineColor);
        list.add("BorderWidth", borderWidth);
        list.add("Border", border);
        list.add("Transparent", transparent);
        list.add("EraseBackground", eraseBackground);
        list.add("DoubleBuffer", doubleBuffer);
        list.add("Enabled", enabled);
        list.add("Visible", visible);
        list.add("ReadOnly", readOnly);
        list.add("LimitText", limitText);
        list.add("Password", password);
        list.add("Selectable", selectable);
        list.add("AutoDeactivate", autoDeactivate);
        list.add("AutomaticallyCheckSpelling", automaticallyCheckSpelling);
        list.add("Minimum", minimum);
        list.add("Value", value);
        list.add("Maximum", maximum);
        list.add("LineStep", lineStep);
        list.add("PageStep", pageStep);
        list.add("LiveScroll", liveScroll);
        list.add("TickStyle", tickStyle);
        list.add("DataSource", dataSource);
        list.add("DataField", dataField);
        list.add("InitialParent", initialParent.value_or(""));
        return list;
    }

    // The records of the stream, in stored order.
    constexpr StreamEntryList<kMostControlKeys> entries() const
    {
        static_assert(formKeysAreControlKeys(), "a form's key that no control design holds");
        static_assert(formKeyCount() <= kMostControlKeys, "a form with more keys than a control stream holds");
        const StreamEntryList<kControlKeyCount> all = allEntries();
        StreamEntryList<kMostControlKeys> list;
        for (std::string_view keys = Form.keys; !keys.empty();) {
            const std::string_view key = takeKey(keys);
            if (key == "TabStop" && !storesTabStop)
                continue;
            if (key == "InitialParent" && Form.initialParentOnlyWhenGiven && !initialParent)
                continue;
            list.add(key, all[positionOf(all, key)].value);
        }
        if (keyOrder == KeyOrder::Reversed)
            list.reverse();
        return list;
    }

    // Whether the stream keeps every value the design gives: one for a key that the
    // stream does not store would be lost without a word.
    constexpr bool keepsEveryValue() const
    {
        const StreamEntryList<kControlKeyCount> all = allEntries();
        const StreamEntryList<kControlKeyCount> defaults = ControlDesign {}.allEntries();
        const StreamEntryList<kMostControlKeys> stored = entries();
        for (std::size_t at = 0; at < all.size(); ++at)
            if (!(all[at].value == defaults[at].value)
                && std::none_of(
                    stored.begin(), stored.end(), [&](const StreamEntry& entry) { return entry.key == all[at].key; }))
                return false;
        return true;
    }

private:
    // The position of the key among the entries; entries.size() when it is none of theirs.
    static constexpr std::size_t positionOf(const StreamEntryList<kControlKeyCount>& entries, std::string_view key)
    {
        std::size_t at = 0;
        while (at < entries.size() && entries[at].key != key)
            ++at;
        return at;
    }

    static constexpr bool formKeysAreControlKeys()
    {
        const StreamEntryList<kControlKeyCount> all = ControlDesign {}.allEntries();
        for (std::string_view keys = Form.keys; !keys.empty();)
            if (positionOf(all, takeKey(keys)) == all.size())
                return false;
        return true;
    }

    static constexpr std::size_t formKeyCount()
    {
        std::size_t count = 0;
        for (std::string_view keys = Form.keys; !keys.empty(); takeKey(keys))
            ++count;
        return count;
    }
};

// The forms of the control kinds: the keys their streams store, in stored order.
inline constexpr StreamForm kTextFieldForm {
    .keys = "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex TabStop "
            "Border Password UseFocusRing TextColor BackColor Enabled Format Visible HelpTag AutoDeactivate "
            "TextFont Bold Italic Underline CueText Text Mask ReadOnly LimitText AcceptTabs Alignment "
            "AutomaticallyCheckSpelling DataSource DataField InitialParent",
    .initialParentOnlyWhenGiven = true,
};
inline constexpr StreamForm kLabelForm {
    .keys = "TabStop Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex "
            "Text TextAlign TextColor Multiline Enabled Visible Selectable Transparent HelpTag AutoDeactivate TextFont "
            "Bold Italic Underline DataSource DataField InitialParent",
};
// A label that opens its URL: the URL, then the full label form in reverse order.
inline constexpr StreamForm kLinkLabelForm {
    .keys = "URL InitialParent DataField DataSource Underline Italic Bold TextFont AutoDeactivate HelpTag Transparent "
            "Selectable Visible Enabled Multiline TextColor TextAlign Text TabIndex TabPanelIndex LockBottom LockRight "
            "LockTop LockLeft Height Width Top Left Index Name TabStop",
};
inline constexpr StreamForm kGroupBoxForm {
    .keys = "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex TabStop "
            "Caption Enabled Visible HelpTag AutoDeactivate TextFont Bold Italic Underline InitialParent",
};
inline constexpr StreamForm kLineForm {
    .keys = "TabStop TabIndex Name Index Top Left Width Height X1 X2 Y1 Y2 "
            "TabPanelIndex Visible BorderWidth LineColor InitialParent",
};
inline constexpr StreamForm kPopupMenuForm {
    .keys = "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex TabStop "
            "Enabled InitialValue ListIndex Visible HelpTag AutoDeactivate TextFont Bold Italic Underline DataSource "
            "DataField InitialParent",
};
inline constexpr StreamForm kSliderForm {
    .keys = "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex TabStop "
            "Enabled Visible HelpTag AutoDeactivate Minimum Value Maximum LineStep PageStep LiveScroll TickStyle "
            "InitialParent",
};
inline constexpr StreamForm kCanvasForm {
    .keys
    = "InitialParent Transparent EraseBackground DoubleBuffer AcceptTabs AcceptFocus UseFocusRing Enabled "
      "AutoDeactivate HelpTag Visible TabStop TabIndex TabPanelIndex LockBottom LockRight LockTop LockLeft Height "
      "Width Top Left Index Name",
    .transparent = true,
};
inline constexpr StreamForm kTextAreaForm {
    .keys
    = "InitialParent DataField DataSource AutomaticallyCheckSpelling Alignment AcceptTabs LimitText ReadOnly Mask "
      "Text Underline Italic Bold TextFont HideSelection AutoDeactivate HelpTag Visible Format Enabled BackColor "
      "TextColor UseFocusRing Styled ScrollbarVertical ScrollbarHorizontal Multiline Border TabStop TabIndex "
      "TabPanelIndex LockBottom LockRight LockTop LockLeft Height Width Top Left Index Name",
    .multiline = true,
};

using TextFieldDesign = ControlDesign<kTextFieldForm>;
using LabelDesign = ControlDesign<kLabelForm>;
using LinkLabelDesign = ControlDesign<kLinkLabelForm>;
using GroupBoxDesign = ControlDesign<kGroupBoxForm>;
using LineDesign = ControlDesign<kLineForm>;
using PopupMenuDesign = ControlDesign<kPopupMenuForm>;
using SliderDesign = ControlDesign<kSliderForm>;
using CanvasDesign = ControlDesign<kCanvasForm>;
using TextAreaDesign = ControlDesign<kTextAreaForm>;

// A timer's stream carries no Name and no Index.
struct TimerDesign {
    std::int32_t period = 0;
    std::int32_t mode = 0;

    constexpr StreamEntryList<2> entries() const
    {
        StreamEntryList<2> list;
        list.add("Period", period);
        list.add("Mode", mode);
        return list;
    }
};

template <class Design>
concept StreamDesign = requires(const Design& design)
{
    std::span<const StreamEntry>(design.entries());
};

template <StreamDesign Design> constexpr std::size_t streamLength(const Design& design)
{
    return encodedLength(design.entries());
}

// The stored literal of a design: `encodeDesign<streamLength(kTimer)>(kTimer)`.
template <std::size_t L, StreamDesign Design>
constexpr std::array<std::uint8_t, L + 2> encodeDesign(const Design& design)
{
    return encodeStream<L>(design.entries());
}

// Whether the design's stream keeps every value it gives; a window's and a timer's store every key.
template <StreamDesign Design> constexpr bool keepsEveryValue(const Design& design)
{
    if constexpr (requires { design.keepsEveryValue(); })
        return design.keepsEveryValue();
    else
        return true;
}

// The stored literal of the design that the constexpr function `DesignOf` gives, made
// once at compile time. The program's streams are all made here, so here a design that
// would lose a value is stopped, with the reason in the compiler's message.
template <auto DesignOf>
inline constexpr auto kStoredStreamOf = [] {
    static_assert(keepsEveryValue(DesignOf()), "a value for a key that this kind's streams do not store");
    return encodeDesign<streamLength(DesignOf())>(DesignOf());
}();

template <const auto& Design> constexpr const auto& designOf() noexcept { return Design; }

// The stored literal of a constexpr design variable.
template <const auto& Design> inline constexpr const auto& kStoredStream = kStoredStreamOf<&designOf<Design>>;

// Whether the check holds for the entries of every kind, in every form.
constexpr bool holdsForEveryKind(bool (*check)(std::span<const StreamEntry>))
{
    return check(WindowDesign {}.entries()) && check(TextFieldDesign {}.allEntries())
        && check(TextFieldDesign { .initialParent = "" }.entries()) && check(LabelDesign {}.entries())
        && check(LinkLabelDesign {}.entries()) && check(GroupBoxDesign {}.entries()) && check(LineDesign {}.entries())
        && check(PopupMenuDesign {}.entries()) && check(SliderDesign {}.entries()) && check(CanvasDesign {}.entries())
        && check(TextAreaDesign {}.entries()) && check(TimerDesign {}.entries());
}
static_assert(holdsForEveryKind(&keysAreInTheKeyTable), "a key that the key table lacks");
static_assert(holdsForEveryKind(&valuesHaveTheirKeysTypes), "a value whose type is not its key's");

} // namespace calculators
