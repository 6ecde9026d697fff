// A text field shows whole, whatever a design lays over it. A label that
// overlaps a text field (or a text area) of the same parent lies under it, and
// lays its text out clear of it: the label keeps its rectangle, but its text
// starts past the field, on the side of the label where the field takes the
// fewest rows or columns. A design with a label's top rows over the field above
// it thus shows the field whole and the label's text below it.
#pragma once

namespace fw {
class Window;
}

namespace fw::qt {

// Restacks and re-margins the labels of the window's controls that have widgets; run after any
// of them moves, changes size, shows or hides, or changes parent.
void KeepTextFieldsWhole(const Window& window);

} // namespace fw::qt
