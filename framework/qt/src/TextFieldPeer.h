// A text field as a QLineEdit.
//
// What the user types goes to the object (`userEdited`); the object's handlers may
// rewrite the text on the spot, so afterwards the peer shows the object's text
// again where it differs. A text the object changes while the field has the focus
// keeps the caret where it was (clamped to the new text), so that a handler that
// reformats the field on every keystroke lets the user go on typing. A change
// the program makes is never reported back as the user's.
#pragma once

#include "TextEditPeer.h"

class QLineEdit;

namespace fw {
class TextField;
}

namespace fw::qt {

class CodePointLimit;

class TextFieldPeer : public TextEditPeer<TextField, QLineEdit> {
public:
    explicit TextFieldPeer(TextField& object);
    void focusByTab() override;

protected:
    void show(Aspect aspect) override;

private:
    void showObjectText() override;

    CodePointLimit* limit_;
};

} // namespace fw::qt
