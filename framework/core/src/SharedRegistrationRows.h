// Registration rows that several control classes declare alike, in the same
// order: the focus and mouse-button events, and the font of a control that
// shows text (TextFontControl), which comes last among its class's properties.
#pragma once

#include "NativeClass.h"

#include <fw/RectControl.h>

#include <array>

namespace fw::detail {

inline constexpr std::array<NativeEvent, 2> kFocusEvents { {
    { "GotFocus", "%%" },
    { "LostFocus", "%%" },
} };

inline constexpr std::array<NativeEvent, 3> kMouseButtonEvents { {
    { "MouseDown", "%b%i4i4" },
    { "MouseDrag", "%%i4i4" },
    { "MouseUp", "%%i4i4" },
} };

inline constexpr std::array kTextFontProperties {
    Property<"TextFont", &TextFontControl::textFont, &TextFontControl::setTextFont>(),
    Property<"Bold", &TextFontControl::bold, &TextFontControl::setBold>(),
    Property<"Italic", &TextFontControl::italic, &TextFontControl::setItalic>(),
    Property<"Underline", &TextFontControl::underline, &TextFontControl::setUnderline>(),
    Property<"TextUnit", &TextFontControl::textUnit, &TextFontControl::setTextUnit>(),
    Property<"TextSize", &TextFontControl::textSize, &TextFontControl::setTextSize>(),
};

} // namespace fw::detail
