// The standard edit entries of a menu bar ("EditUndo", "EditCut", "EditCopy",
// "EditPaste", "EditClear", "EditSelectAll") act on the text widget that has the
// keyboard focus; only when none has it does their choice go on to the program.
#pragma once

#include <string_view>

namespace fw::qt {

// True when the entry is a standard edit entry and a text widget has the focus:
// the widget has taken the command (a read-only one takes only Copy and Select All,
// and ignores the others).
bool ApplyEditCommand(std::string_view itemName);

} // namespace fw::qt
