// What the tool windows' tests share: a user's way of retyping a field.
#pragma once

#include <fw/TextField.h>

#include <string_view>

namespace tool_window_testing {

// The user selects the field's text and types anew: the field goes through the
// empty text first, so even the text already there counts as a change.
inline void Retype(fw::TextField& field, std::string_view text)
{
    field.userEdited("");
    field.userEdited(text);
}

} // namespace tool_window_testing
