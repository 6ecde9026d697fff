// Design tables for property streams: one struct per kind of target.
//
// A design struct holds every value its kind's streams carry, with the values
// that all streams of the kind share as defaults, so a window's design table
// names only each control's departures:
//
//     constexpr TextFieldDesign kTF_OB{.name = "TF_OB", .left = 21, .top = 36, .width = 80,
//                                      .height = 22, .tabIndex = 2, .text = "0"};
//     inline constexpr auto& kTF_OBStream = kStoredStream<kTF_OB>;
//
// Fields are declared as a layout reads, name and rectangle first, then tab
// order, texts and flags; designated initialisers name them in that order.
// Each struct's entries() gives its records in the order in which streams of
// that kind store their keys; the writer (PropertyStreamWriter.h) turns those
// into the stored literal. Forms that differ in key order or key set are
// switches of the design, not separate structs.
#pragma once

#include <calculators/PropertyStreamWriter.h>

#include <fw/Color.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace calculators {

// Index of a control that is not a member of a control array.
inline constexpr std::int32_t kNotInControlArray = std::numeric_limits<std::int32_t>::min();
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

struct TextFieldDesign {
    std::string_view name {};
    std::int32_t index = kNotInControlArray;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool lockLeft = true;
    bool lockTop = true;
    bool lockRight = false;
    bool lockBottom = false;
    std::int32_t tabPanelIndex = 0;
    std::int32_t tabIndex = 0;
    bool tabStop = true;
    bool border = true;
    bool password = false;
    bool useFocusRing = true;
    fw::Color textColor = kBlack;
    fw::Color backColor = kWhite;
    bool enabled = true;
    std::string_view format {};
    bool visible = true;
    std::string_view helpTag {};
    bool autoDeactivate = true;
    std::string_view textFont = kSystemFont;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::string_view cueText {};
    std::string_view text {};
    std::string_view mask {};
    bool readOnly = false;
    std::int32_t limitText = 0;
    bool acceptTabs = false;
    std::int32_t alignment = 0;
    bool automaticallyCheckSpelling = false;
    std::string_view dataSource {};
    std::string_view dataField {};
    // Stored (as the last key) only when the design names an enclosing control
    // or explicitly the window ("").
    std::optional<std::string_view> initialParent {};

    constexpr StreamEntryList<38> entries() const
    {
        StreamEntryList<38> list;
        list.add("Name", name);
        list.add("Index", index);
        list.add("Left", left);
        list.add("Top", top);
        list.add("Width", width);
        list.add("Height", height);
        list.add("LockLeft", lockLeft);
        list.add("LockTop", lockTop);
        list.add("LockRight", lockRight);
        list.add("LockBottom", lockBottom);
        list.add("TabPanelIndex", tabPanelIndex);
        list.add("TabIndex", tabIndex);
        list.add("TabStop", tabStop);
        list.add("Border", border);
        list.add("Password", password);
        list.add("UseFocusRing", useFocusRing);
        list.add("TextColor", textColor);
        list.add("BackColor", backColor);
        list.add("Enabled", enabled);
        list.add("Format", format);
        list.add("Visible", visible);
        list.add("HelpTag", helpTag);
        list.add("AutoDeactivate", autoDeactivate);
        list.add("TextFont", textFont);
        list.add("Bold", bold);
        list.add("Italic", italic);
        list.add("Underline", underline);
        list.add("CueText", cueText);
        list.add("Text", text);
        list.add("Mask", mask);
        list.add("ReadOnly", readOnly);
        list.add("LimitText", limitText);
        list.add("AcceptTabs", acceptTabs);
        list.add("Alignment", alignment);
        list.add("AutomaticallyCheckSpelling", automaticallyCheckSpelling);
        list.add("DataSource", dataSource);
        list.add("DataField", dataField);
        if (initialParent)
            list.add("InitialParent", *initialParent);
        return list;
    }
};

struct LabelDesign {
    std::string_view name {};
    std::int32_t index = kNotInControlArray;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool lockLeft = true;
    bool lockTop = true;
    bool lockRight = false;
    bool lockBottom = false;
    std::int32_t tabPanelIndex = 0;
    std::int32_t tabIndex = 0;
    bool tabStop = true;
    std::string_view text {};
    std::int32_t textAlign = 0; // no common value: every design gives its own
    fw::Color textColor = kBlack;
    bool multiline = false;
    bool enabled = true;
    bool visible = true;
    bool selectable = false;
    bool transparent = false;
    std::string_view helpTag {};
    bool autoDeactivate = true;
    std::string_view textFont = kSystemFont;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::string_view dataSource {};
    std::string_view dataField {};
    std::string_view initialParent {};
    // The form: TabStop stored first (or not at all), InitialParent last; or
    // all of it reversed.
    bool storesTabStop = true;
    KeyOrder keyOrder = KeyOrder::Forward;

    constexpr StreamEntryList<30> entries() const
    {
        StreamEntryList<30> list;
        if (storesTabStop)
            list.add("TabStop", tabStop);
        list.add("Name", name);
        list.add("Index", index);
        list.add("Left", left);
        list.add("Top", top);
        list.add("Width", width);
        list.add("Height", height);
        list.add("LockLeft", lockLeft);
        list.add("LockTop", lockTop);
        list.add("LockRight", lockRight);
        list.add("LockBottom", lockBottom);
        list.add("TabPanelIndex", tabPanelIndex);
        list.add("TabIndex", tabIndex);
        list.add("Text", text);
        list.add("TextAlign", textAlign);
        list.add("TextColor", textColor);
        list.add("Multiline", multiline);
        list.add("Enabled", enabled);
        list.add("Visible", visible);
        list.add("Selectable", selectable);
        list.add("Transparent", transparent);
        list.add("HelpTag", helpTag);
        list.add("AutoDeactivate", autoDeactivate);
        list.add("TextFont", textFont);
        list.add("Bold", bold);
        list.add("Italic", italic);
        list.add("Underline", underline);
        list.add("DataSource", dataSource);
        list.add("DataField", dataField);
        list.add("InitialParent", initialParent);
        if (keyOrder == KeyOrder::Reversed)
            list.reverse();
        return list;
    }
};

struct GroupBoxDesign {
    std::string_view name {};
    std::int32_t index = kNotInControlArray;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool lockLeft = true;
    bool lockTop = true;
    bool lockRight = false;
    bool lockBottom = false;
    std::int32_t tabPanelIndex = 0;
    std::int32_t tabIndex = 0;
    bool tabStop = true;
    std::string_view caption {};
    bool enabled = true;
    bool visible = true;
    std::string_view helpTag {};
    bool autoDeactivate = true;
    std::string_view textFont = kSystemFont;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::string_view initialParent {};

    constexpr StreamEntryList<23> entries() const
    {
        StreamEntryList<23> list;
        list.add("Name", name);
        list.add("Index", index);
        list.add("Left", left);
        list.add("Top", top);
        list.add("Width", width);
        list.add("Height", height);
        list.add("LockLeft", lockLeft);
        list.add("LockTop", lockTop);
        list.add("LockRight", lockRight);
        list.add("LockBottom", lockBottom);
        list.add("TabPanelIndex", tabPanelIndex);
        list.add("TabIndex", tabIndex);
        list.add("TabStop", tabStop);
        list.add("Caption", caption);
        list.add("Enabled", enabled);
        list.add("Visible", visible);
        list.add("HelpTag", helpTag);
        list.add("AutoDeactivate", autoDeactivate);
        list.add("TextFont", textFont);
        list.add("Bold", bold);
        list.add("Italic", italic);
        list.add("Underline", underline);
        list.add("InitialParent", initialParent);
        return list;
    }
};

struct LineDesign {
    std::string_view name {};
    std::int32_t index = kNotInControlArray;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
    std::int32_t tabPanelIndex = 0;
    std::int32_t tabIndex = 0;
    bool tabStop = true;
    bool visible = true;
    std::int32_t borderWidth = 1;
    fw::Color lineColor = kBlack;
    std::string_view initialParent {};

    constexpr StreamEntryList<17> entries() const
    {
        StreamEntryList<17> list;
        list.add("TabStop", tabStop);
        list.add("TabIndex", tabIndex);
        list.add("Name", name);
        list.add("Index", index);
        list.add("Top", top);
        list.add("Left", left);
        list.add("Width", width);
        list.add("Height", height);
        list.add("X1", x1);
        list.add("X2", x2);
        list.add("Y1", y1);
        list.add("Y2", y2);
        list.add("TabPanelIndex", tabPanelIndex);
        list.add("Visible", visible);
        list.add("BorderWidth", borderWidth);
        list.add("LineColor", lineColor);
        list.add("InitialParent", initialParent);
        return list;
    }
};

struct PopupMenuDesign {
    std::string_view name {};
    std::int32_t index = kNotInControlArray;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool lockLeft = true;
    bool lockTop = true;
    bool lockRight = false;
    bool lockBottom = false;
    std::int32_t tabPanelIndex = 0;
    std::int32_t tabIndex = 0;
    bool tabStop = true;
    bool enabled = true;
    std::string_view initialValue {}; // the rows, separated by CR
    std::int32_t listIndex = 0; // the row selected at start, from 0
    bool visible = true;
    std::string_view helpTag {};
    bool autoDeactivate = true;
    std::string_view textFont = kSystemFont;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::string_view dataSource {};
    std::string_view dataField {};
    std::string_view initialParent {};

    constexpr StreamEntryList<26> entries() const
    {
        StreamEntryList<26> list;
        list.add("Name", name);
        list.add("Index", index);
        list.add("Left", left);
        list.add("Top", top);
        list.add("Width", width);
        list.add("Height", height);
        list.add("LockLeft", lockLeft);
        list.add("LockTop", lockTop);
        list.add("LockRight", lockRight);
        list.add("LockBottom", lockBottom);
        list.add("TabPanelIndex", tabPanelIndex);
        list.add("TabIndex", tabIndex);
        list.add("TabStop", tabStop);
        list.add("Enabled", enabled);
        list.add("InitialValue", initialValue);
        list.add("ListIndex", listIndex);
        list.add("Visible", visible);
        list.add("HelpTag", helpTag);
        list.add("AutoDeactivate", autoDeactivate);
        list.add("TextFont", textFont);
        list.add("Bold", bold);
        list.add("Italic", italic);
        list.add("Underline", underline);
        list.add("DataSource", dataSource);
        list.add("DataField", dataField);
        list.add("InitialParent", initialParent);
        return list;
    }
};

struct SliderDesign {
    std::string_view name {};
    std::int32_t index = kNotInControlArray;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool lockLeft = true;
    bool lockTop = true;
    bool lockRight = false;
    bool lockBottom = false;
    std::int32_t tabPanelIndex = 0;
    std::int32_t tabIndex = 0;
    bool tabStop = true;
    bool enabled = true;
    bool visible = true;
    std::string_view helpTag {};
    bool autoDeactivate = true;
    std::int32_t minimum = 0;
    std::int32_t value = 0;
    std::int32_t maximum = 0;
    std::int32_t lineStep = 1;
    std::int32_t pageStep = 1;
    bool liveScroll = false;
    std::int32_t tickStyle = 0;
    std::string_view initialParent {};

    constexpr StreamEntryList<25> entries() const
    {
        StreamEntryList<25> list;
        list.add("Name", name);
        list.add("Index", index);
        list.add("Left", left);
        list.add("Top", top);
        list.add("Width", width);
        list.add("Height", height);
        list.add("LockLeft", lockLeft);
        list.add("LockTop", lockTop);
        list.add("LockRight", lockRight);
        list.add("LockBottom", lockBottom);
        list.add("TabPanelIndex", tabPanelIndex);
        list.add("TabIndex", tabIndex);
        list.add("TabStop", tabStop);
        list.add("Enabled", enabled);
        list.add("Visible", visible);
        list.add("HelpTag", helpTag);
        list.add("AutoDeactivate", autoDeactivate);
        list.add("Minimum", minimum);
        list.add("Value", value);
        list.add("Maximum", maximum);
        list.add("LineStep", lineStep);
        list.add("PageStep", pageStep);
        list.add("LiveScroll", liveScroll);
        list.add("TickStyle", tickStyle);
        list.add("InitialParent", initialParent);
        return list;
    }
};

struct CanvasDesign {
    std::string_view name {};
    std::int32_t index = kNotInControlArray;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool lockLeft = true;
    bool lockTop = true;
    bool lockRight = false;
    bool lockBottom = false;
    std::int32_t tabPanelIndex = 0;
    std::int32_t tabIndex = 0;
    bool tabStop = true;
    bool visible = true;
    std::string_view helpTag {};
    bool autoDeactivate = true;
    bool enabled = true;
    bool useFocusRing = true;
    bool acceptFocus = false;
    bool acceptTabs = false;
    bool doubleBuffer = false;
    bool eraseBackground = true;
    bool transparent = true;
    std::string_view initialParent {};

    constexpr StreamEntryList<24> entries() const
    {
        StreamEntryList<24> list;
        list.add("InitialParent", initialParent);
        list.add("Transparent", transparent);
        list.add("EraseBackground", eraseBackground);
        list.add("DoubleBuffer", doubleBuffer);
        list.add("AcceptTabs", acceptTabs);
        list.add("AcceptFocus", acceptFocus);
        list.add("UseFocusRing", useFocusRing);
        list.add("Enabled", enabled);
        list.add("AutoDeactivate", autoDeactivate);
        list.add("HelpTag", helpTag);
        list.add("Visible", visible);
        list.add("TabStop", tabStop);
        list.add("TabIndex", tabIndex);
        list.add("TabPanelIndex", tabPanelIndex);
        list.add("LockBottom", lockBottom);
        list.add("LockRight", lockRight);
        list.add("LockTop", lockTop);
        list.add("LockLeft", lockLeft);
        list.add("Height", height);
        list.add("Width", width);
        list.add("Top", top);
        list.add("Left", left);
        list.add("Index", index);
        list.add("Name", name);
        return list;
    }
};

// A label that opens its URL: the URL first, then the full label form (with
// TabStop) in reverse order, always; the label's form switches stay at their
// defaults.
struct LinkLabelDesign {
    std::string_view url {};
    LabelDesign label;

    constexpr StreamEntryList<31> entries() const
    {
        if (!label.storesTabStop || label.keyOrder != KeyOrder::Forward)
            designMistake("a link label has one fixed key form; leave its label's form switches alone");
        StreamEntryList<31> list;
        list.add("URL", url);
        const StreamEntryList<30> labelEntries = label.entries();
        for (std::size_t i = labelEntries.size(); i-- > 0;)
            list.add(labelEntries[i].key, labelEntries[i].value);
        return list;
    }
};

struct TextAreaDesign {
    std::string_view name {};
    std::int32_t index = kNotInControlArray;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool lockLeft = true;
    bool lockTop = true;
    bool lockRight = false;
    bool lockBottom = false;
    std::int32_t tabPanelIndex = 0;
    std::int32_t tabIndex = 0;
    bool tabStop = true;
    bool border = true;
    bool multiline = true;
    bool scrollbarHorizontal = false;
    bool scrollbarVertical = true;
    bool styled = false;
    bool useFocusRing = true;
    fw::Color textColor = kBlack;
    fw::Color backColor = kWhite;
    bool enabled = true;
    std::string_view format {};
    bool visible = true;
    std::string_view helpTag {};
    bool autoDeactivate = true;
    bool hideSelection = true;
    std::string_view textFont = kSystemFont;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::string_view text {};
    std::string_view mask {};
    bool readOnly = false;
    std::int32_t limitText = 0;
    bool acceptTabs = false;
    std::int32_t alignment = 0;
    bool automaticallyCheckSpelling = false;
    std::string_view dataSource {};
    std::string_view dataField {};
    std::string_view initialParent {};

    constexpr StreamEntryList<41> entries() const
    {
        StreamEntryList<41> list;
        list.add("InitialParent", initialParent);
        list.add("DataField", dataField);
        list.add("DataSource", dataSource);
        list.add("AutomaticallyCheckSpelling", automaticallyCheckSpelling);
        list.add("Alignment", alignment);
        list.add("AcceptTabs", acceptTabs);
        list.add("LimitText", limitText);
        list.add("ReadOnly", readOnly);
        list.add("Mask", mask);
        list.add("Text", text);
        list.add("Underline", underline);
        list.add("Italic", italic);
        list.add("Bold", bold);
        list.add("TextFont", textFont);
        list.add("HideSelection", hideSelection);
        list.add("AutoDeactivate", autoDeactivate);
        list.add("HelpTag", helpTag);
        list.add("Visible", visible);
        list.add("Format", format);
        list.add("Enabled", enabled);
        list.add("BackColor", backColor);
        list.add("TextColor", textColor);
        list.add("UseFocusRing", useFocusRing);
        list.add("Styled", styled);
        list.add("ScrollbarVertical", scrollbarVertical);
        list.add("ScrollbarHorizontal", scrollbarHorizontal);
        list.add("Multiline", multiline);
        list.add("Border", border);
        list.add("TabStop", tabStop);
        list.add("TabIndex", tabIndex);
        list.add("TabPanelIndex", tabPanelIndex);
        list.add("LockBottom", lockBottom);
        list.add("LockRight", lockRight);
        list.add("LockTop", lockTop);
        list.add("LockLeft", lockLeft);
        list.add("Height", height);
        list.add("Width", width);
        list.add("Top", top);
        list.add("Left", left);
        list.add("Index", index);
        list.add("Name", name);
        return list;
    }
};

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

// The stored literal of a constexpr design variable, made once at compile time.
template <const auto& Design> inline constexpr auto kStoredStream = encodeDesign<streamLength(Design)>(Design);

// Every kind's keys are in the key table with their types, in every form.
static_assert(entriesFitKeyTable(WindowDesign {}.entries()));
static_assert(entriesFitKeyTable(TextFieldDesign { .initialParent = "" }.entries()));
static_assert(entriesFitKeyTable(LabelDesign {}.entries()));
static_assert(entriesFitKeyTable(GroupBoxDesign {}.entries()));
static_assert(entriesFitKeyTable(LineDesign {}.entries()));
static_assert(entriesFitKeyTable(PopupMenuDesign {}.entries()));
static_assert(entriesFitKeyTable(SliderDesign {}.entries()));
static_assert(entriesFitKeyTable(CanvasDesign {}.entries()));
static_assert(entriesFitKeyTable(LinkLabelDesign {}.entries()));
static_assert(entriesFitKeyTable(TextAreaDesign {}.entries()));
static_assert(entriesFitKeyTable(TimerDesign {}.entries()));

} // namespace calculators
