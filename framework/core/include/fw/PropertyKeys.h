// The property keys of a property stream and the type of each.
//
// A stream has no type tags: a value's width follows from its key's type alone
// (Int32 4 bytes, Boolean 1, Color 3, String a 4-byte count and the bytes), so
// this table is part of the format. The stream writer checks every key it
// writes against it, and the reader uses it to find where each value ends.
#pragma once

#include <fw/Color.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace fw {

enum class StreamType : std::uint8_t { Int32, Boolean, Color, String };

// A key ends at the blank that follows it; its value comes right after.
inline constexpr std::uint8_t kStreamKeyEnd = 0x20;
// A String's value is its byte count, then its bytes.
inline constexpr std::size_t kStringCountBytes = 4;

// The bytes a value of the type takes, a String's count without its text.
constexpr std::size_t FixedValueBytes(StreamType type) noexcept
{
    switch (type) {
    case StreamType::Int32:
        return 4;
    case StreamType::Boolean:
        return 1;
    case StreamType::Color:
        return 3;
    case StreamType::String:
        return kStringCountBytes;
    }
    return 0;
}

struct PropertyKey {
    std::string_view name;
    StreamType type;
};

inline constexpr auto kPropertyKeys = std::to_array<PropertyKey>({
    { "Alignment", StreamType::Int32 },
    { "BorderWidth", StreamType::Int32 },
    { "Frame", StreamType::Int32 },
    { "Height", StreamType::Int32 },
    { "Index", StreamType::Int32 },
    { "Left", StreamType::Int32 },
    { "LimitText", StreamType::Int32 },
    { "LineStep", StreamType::Int32 },
    { "ListIndex", StreamType::Int32 },
    { "MacProcID", StreamType::Int32 },
    { "MaxHeight", StreamType::Int32 },
    { "MaxWidth", StreamType::Int32 },
    { "Maximum", StreamType::Int32 },
    { "MinHeight", StreamType::Int32 },
    { "MinWidth", StreamType::Int32 },
    { "Minimum", StreamType::Int32 },
    { "Mode", StreamType::Int32 },
    { "PageStep", StreamType::Int32 },
    { "Period", StreamType::Int32 },
    { "Placement", StreamType::Int32 },
    { "TabIndex", StreamType::Int32 },
    { "TabPanelIndex", StreamType::Int32 },
    { "TextAlign", StreamType::Int32 },
    { "TickStyle", StreamType::Int32 },
    { "Top", StreamType::Int32 },
    { "Value", StreamType::Int32 },
    { "Width", StreamType::Int32 },
    { "X1", StreamType::Int32 },
    { "X2", StreamType::Int32 },
    { "Y1", StreamType::Int32 },
    { "Y2", StreamType::Int32 },

    { "AcceptFocus", StreamType::Boolean },
    { "AcceptTabs", StreamType::Boolean },
    { "AutoDeactivate", StreamType::Boolean },
    { "AutomaticallyCheckSpelling", StreamType::Boolean },
    { "Bold", StreamType::Boolean },
    { "Border", StreamType::Boolean },
    { "CloseButton", StreamType::Boolean },
    { "Composite", StreamType::Boolean },
    { "DoubleBuffer", StreamType::Boolean },
    { "Enabled", StreamType::Boolean },
    { "EraseBackground", StreamType::Boolean },
    { "FullScreen", StreamType::Boolean },
    { "FullScreenButton", StreamType::Boolean },
    { "HasBackColor", StreamType::Boolean },
    { "HideSelection", StreamType::Boolean },
    { "Italic", StreamType::Boolean },
    { "LiveResize", StreamType::Boolean },
    { "LiveScroll", StreamType::Boolean },
    { "LockBottom", StreamType::Boolean },
    { "LockLeft", StreamType::Boolean },
    { "LockRight", StreamType::Boolean },
    { "LockTop", StreamType::Boolean },
    { "MaximizeButton", StreamType::Boolean },
    { "MenuBarVisible", StreamType::Boolean },
    { "MinimizeButton", StreamType::Boolean },
    { "Multiline", StreamType::Boolean },
    { "Password", StreamType::Boolean },
    { "ReadOnly", StreamType::Boolean },
    { "Resizeable", StreamType::Boolean },
    { "ScrollbarHorizontal", StreamType::Boolean },
    { "ScrollbarVertical", StreamType::Boolean },
    { "Selectable", StreamType::Boolean },
    { "Styled", StreamType::Boolean },
    { "TabStop", StreamType::Boolean },
    { "Transparent", StreamType::Boolean },
    { "Underline", StreamType::Boolean },
    { "UseFocusRing", StreamType::Boolean },
    { "Visible", StreamType::Boolean },

    { "BackColor", StreamType::Color },
    { "LineColor", StreamType::Color },
    { "TextColor", StreamType::Color },

    { "Caption", StreamType::String },
    { "CueText", StreamType::String },
    { "DataField", StreamType::String },
    { "DataSource", StreamType::String },
    { "Format", StreamType::String },
    { "HelpTag", StreamType::String },
    { "InitialParent", StreamType::String },
    { "InitialValue", StreamType::String },
    { "Mask", StreamType::String },
    { "Name", StreamType::String },
    { "Text", StreamType::String },
    { "TextFont", StreamType::String },
    { "Title", StreamType::String },
    { "URL", StreamType::String },
});

// The key's position in the table, or the table's size for a name it lacks. Compile-time
// checks use the position: sanitizer builds cannot compare addresses in constant expressions.
constexpr std::size_t findPropertyKeyIndex(std::string_view name)
{
    for (std::size_t i = 0; i < kPropertyKeys.size(); ++i)
        if (kPropertyKeys[i].name == name)
            return i;
    return kPropertyKeys.size();
}

// The table's entry for a key, or nullptr for a name the format lacks.
constexpr const PropertyKey* findPropertyKey(std::string_view name)
{
    for (const PropertyKey& key : kPropertyKeys) {
        if (key.name == name)
            return &key;
    }
    return nullptr;
}

} // namespace fw
