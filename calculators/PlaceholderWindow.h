// The one control of a placeholder window: a note, in the same place in both, on
// where a tool is still to come.
#pragma once

#include "calculators/StreamForms.h"

#include <string_view>

namespace calculators {

// clang-format off
constexpr LabelDesign PlaceholderNote(std::string_view text)
{
    return {.name = "Label1", .left = 142, .top = 64, .width = 374, .height = 147, .tabIndex = 0, .text = text, .textAlign = 0, .transparent = true};
}
// clang-format on

} // namespace calculators
