// Reading a menu entry's shortcut text ("Cmd+Q", "Shift+Cmd+Z") as a key sequence.
#pragma once

#include <QKeySequence>

#include <cstdint>
#include <string_view>

namespace fw::qt {

// "Cmd" (or "Command") is the platform's primary modifier, Qt's Ctrl, which is
// Command on a Mac; "Option" is Alt. The extra modifiers add 1 Shift, 2 Alt and
// 4 the secondary modifier (Qt's Meta: Control on a Mac). An empty text, or one
// that names no key, gives an empty sequence.
QKeySequence KeySequenceFor(std::string_view shortcut, std::int32_t extraModifiers = 0);

} // namespace fw::qt
