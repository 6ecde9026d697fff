#include "PlainLineEdit.h"

namespace soak {

PlainLineEdit::Outcome PlainLineEdit::after(const QLineEdit& field, bool readOnly, const Key& key)
{
    edit_.setReadOnly(readOnly);
    edit_.setText(field.text());
    if (field.hasSelectedText()) {
        // The caret stays at the end of the selection it was made from.
        const int start = field.selectionStart();
        const int length = field.selectionLength();
        if (field.cursorPosition() == start)
            edit_.setSelection(start + length, -length);
        else
            edit_.setSelection(start, length);
    } else {
        edit_.setCursorPosition(field.cursorPosition());
    }
    key(&edit_);
    return { edit_.text(), edit_.cursorPosition() };
}

} // namespace soak
