// Where the caret goes when a handler rewrites the text the user is typing in.
//
// A handler that reformats a number on every keystroke ("1" becomes "1.000")
// moves the digits about, so the caret's old index no longer stands where the
// user was typing. It is placed relative to the decimal point instead: a caret
// that stood after the point keeps its count of characters after the point, any
// other keeps its count of characters before the point (before the end, in a
// text without one). Typing "." over a selection that the handler makes "0.000"
// so leaves the caret right after the point, where the next digits belong.
#pragma once

#include <QStringView>

namespace fw::qt {

// The caret's place in `rewritten` for a caret at `caret` in `typed`, clamped to the rewritten text.
int CaretAnchoredToPoint(QStringView typed, int caret, QStringView rewritten) noexcept;

} // namespace fw::qt
