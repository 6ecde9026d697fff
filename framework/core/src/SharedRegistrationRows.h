// Registration rows that several control classes declare alike, in the same
// order: the font of a control that shows text (TextFontControl), which comes
// last among its class's properties. The event rows that controls share are
// public, in RectControl.h, beside the tables they join.
#pragma once

#include "NativeClass.h"

#include <fw/RectControl.h>

#include <array>

namespace fw::detail {

inline constexpr std::array kTextFontProperties {
    Property<"TextFont", &TextFontControl::textFont, &TextFontControl::setTextFont>(),
    Property<"Bold", &TextFontControl::bold, &TextFontControl::setBold>(),
    Property<"Italic", &TextFontControl::italic, &TextFontControl::setItalic>(),
    Property<"Underline", &TextFontControl::underline, &TextFontControl::setUnderline>(),
    Property<"TextUnit", &TextFontControl::textUnit, &TextFontControl::setTextUnit>(),
    Property<"TextSize", &TextFontControl::textSize, &TextFontControl::setTextSize>(),
};

} // namespace fw::detail
