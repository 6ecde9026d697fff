// A placeholder window: a tool's window, of the size all of them have, that holds
// one note, in the same place in each, on where the tool is still to come.
#pragma once

#include "calculators/StreamForms.h"
#include "calculators/WindowClass.h"

#include <fw/String.h>

#include <string_view>
#include <tuple>

namespace calculators {

// clang-format off
constexpr LabelDesign PlaceholderNote(std::string_view text)
{
    return {.name = "Label1", .left = 142, .top = 64, .width = 374, .height = 147, .tabIndex = 0, .text = text, .textAlign = 0, .transparent = true};
}
// clang-format on

// The window class W, registered under `RegisteredName`, titled `Title`, showing `Note`.
template <class W, fw::FixedText RegisteredName, fw::FixedText Title, fw::FixedText Note>
struct PlaceholderWindow : WindowClass<W> {
    static constexpr std::string_view kRegisteredName = fw::kTextOf<RegisteredName>;

    static constexpr WindowDesign kWindow { .width = 600, .height = 400, .title = fw::kTextOf<Title> };

    static constexpr std::tuple kControls {
        DesignVocabulary::Row(PlaceholderNote(fw::kTextOf<Note>)),
    };
};

} // namespace calculators
