// A text area as a QTextEdit: multi-line text, CR between lines, read-only or
// editable, with its scroll bars, font size and line spacing. User edits reach
// the object as a text field's do (see TextFieldPeer.h).
#pragma once

#include "TextEditPeer.h"

class QTextEdit;

namespace fw {
class TextArea;
}

namespace fw::qt {

class TextAreaPeer : public TextEditPeer<TextArea, QTextEdit> {
public:
    explicit TextAreaPeer(TextArea& object);

protected:
    void show(Aspect aspect) override;

private:
    void showObjectText() override;
    void applyParagraphs();

    bool applying_ = false; // the peer's own changes of the document are no edits
};

} // namespace fw::qt
