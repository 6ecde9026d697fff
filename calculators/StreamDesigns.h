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
//
// This header is the mechanism: the window's and the timer's designs, whose
// streams store every key, and the control design. The kinds' forms are data of
// their own (StreamForms.h); a design becomes stored bytes in StoredStreams.h.
#pragma once

#include <calculators/PropertyStreamWriter.h>

#include <fw/Color.h>
#include <fw/Control.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
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

    constexpr auto entries() const
    {
        return std::to_array<StreamEntry>({
            { "Placement", placement },
            { "Width", width },
            { "Height", height },
            { "MinWidth", minWidth },
            { "MinHeight", minHeight },
            { "MaxWidth", maxWidth },
            { "MaxHeight", maxHeight },
            { "Frame", frame },
            { "Composite", composite },
            { "HasBackColor", hasBackColor },
            { "BackColor", backColor },
            { "Title", title },
            { "Visible", visible },
            { "FullScreen", fullScreen },
            { "MenuBarVisible", menuBarVisible },
            { "CloseButton", closeButton },
            { "Resizeable", resizeable },
            { "LiveResize", liveResize },
            { "MaximizeButton", maximizeButton },
            { "MinimizeButton", minimizeButton },
            { "FullScreenButton", fullScreenButton },
            { "MacProcID", macProcID },
        });
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

// How many keys a form stores.
constexpr std::size_t keyCount(std::string_view keys)
{
    std::size_t count = 0;
    for (; !keys.empty(); takeKey(keys))
        ++count;
    return count;
}

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
    constexpr auto allEntries() const
    {
        return std::to_array<StreamEntry>({
            { "Name", name },
            { "Index", index },
            { "Left", left },
            { "Top", top },
            { "Width", width },
            { "Height", height },
            { "X1", x1 },
            { "Y1", y1 },
            { "X2", x2 },
            { "Y2", y2 },
            { "LockLeft", lockLeft },
            { "LockTop", lockTop },
            { "LockRight", lockRight },
            { "LockBottom", lockBottom },
            { "TabPanelIndex", tabPanelIndex },
            { "TabIndex", tabIndex },
            { "TabStop", tabStop },
            { "UseFocusRing", useFocusRing },
            { "AcceptFocus", acceptFocus },
            { "AcceptTabs", acceptTabs },
            { "Text", text },
            { "Caption", caption },
            { "InitialValue", initialValue },
            { "ListIndex", listIndex },
            { "CueText", cueText },
            { "Mask", mask },
            { "Format", format },
            { "HelpTag", helpTag },
            { "URL", url },
            { "TextAlign", textAlign },
            { "Alignment", alignment },
            { "Multiline", multiline },
            { "ScrollbarHorizontal", scrollbarHorizontal },
            { "ScrollbarVertical", scrollbarVertical },
            { "Styled", styled },
            { "HideSelection", hideSelection },
            { "TextFont", textFont },
            { "Bold", bold },
            { "Italic", italic },
            { "Underline", underline },
            { "TextColor", textColor },
            { "BackColor", backColor },
            { "LineColor", lineColor },
            { "BorderWidth", borderWidth },
            { "Border", border },
            { "Transparent", transparent },
            { "EraseBackground", eraseBackground },
            { "DoubleBuffer", doubleBuffer },
            { "Enabled", enabled },
            { "Visible", visible },
            { "ReadOnly", readOnly },
            { "LimitText", limitText },
            { "Password", password },
            { "Selectable", selectable },
            { "AutoDeactivate", autoDeactivate },
            { "AutomaticallyCheckSpelling", automaticallyCheckSpelling },
            { "Minimum", minimum },
            { "Value", value },
            { "Maximum", maximum },
            { "LineStep", lineStep },
            { "PageStep", pageStep },
            { "LiveScroll", liveScroll },
            { "TickStyle", tickStyle },
            { "DataSource", dataSource },
            { "DataField", dataField },
            { "InitialParent", initialParent.value_or("") },
        });
    }

    // The records of the stream, in stored order.
    constexpr auto entries() const
    {
        static_assert(formKeysAreControlKeys(), "a form's key that no control design holds");
        const auto all = allEntries();
        StreamEntryList<keyCount(Form.keys)> list;
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
        const auto all = allEntries();
        const auto defaults = ControlDesign {}.allEntries();
        const auto stored = entries();
        for (std::size_t at = 0; at < all.size(); ++at)
            if (!(all[at].value == defaults[at].value)
                && std::none_of(
                    stored.begin(), stored.end(), [&](const StreamEntry& entry) { return entry.key == all[at].key; }))
                return false;
        return true;
    }

private:
    // The position of the key among the entries; entries.size() when it is none of theirs.
    static constexpr std::size_t positionOf(std::span<const StreamEntry> entries, std::string_view key)
    {
        std::size_t at = 0;
        while (at < entries.size() && entries[at].key != key)
            ++at;
        return at;
    }

    static constexpr bool formKeysAreControlKeys()
    {
        const auto all = ControlDesign {}.allEntries();
        for (std::string_view keys = Form.keys; !keys.empty();)
            if (positionOf(all, takeKey(keys)) == all.size())
                return false;
        return true;
    }
};

// A timer's stream carries no Name and no Index.
struct TimerDesign {
    std::int32_t period = 0;
    std::int32_t mode = 0;

    constexpr auto entries() const
    {
        return std::to_array<StreamEntry>({
            { "Period", period },
            { "Mode", mode },
        });
    }
};

template <class Design>
concept StreamDesign = requires(const Design& design)
{
    std::span<const StreamEntry>(design.entries());
};

} // namespace calculators
