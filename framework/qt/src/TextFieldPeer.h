// A text field as a QLineEdit.
//
// What the user types goes to the object (`userEdited`); the object's handlers may
// rewrite the text on the spot, so afterwards the peer shows the object's text
// again where it differs, with the caret where the user was typing relative to
// the decimal point (CaretAnchoredToPoint.h), so that a handler that reformats
// the field on every keystroke lets the user go on typing. Any other change the
// program makes shows the start of the text, focused or not: a number wider
// than its field shows its leading digits. A change the program makes is never
// reported back as the user's.
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
    void showEditRewritten() override;
    // Shows the object's text where it differs from the view's; whether it did.
    bool takeObjectText();

    CodePointLimit* limit_;
};

} // namespace fw::qt
