#include "TextFieldPeer.h"

#include "CodePointLimit.h"
#include "ModelCall.h"
#include "Styling.h"
#include "TextConversion.h"

#include <fw/TextField.h>

#include <QLineEdit>

#include <algorithm>

namespace fw::qt {

namespace {
// Alignment: 0 the default (left), 1 left, 2 centre, 3 right.
Qt::Alignment alignmentOf(std::int32_t alignment)
{
    switch (alignment) {
    case 2:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case 3:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
} // namespace

TextFieldPeer::TextFieldPeer(TextField& model)
    : TextFieldPeer(model, new QLineEdit)
{
}

TextFieldPeer::TextFieldPeer(TextField& model, QLineEdit* edit)
    : ControlPeer(model, edit)
    , field_(model)
    , edit_(edit)
    , limit_(new CodePointLimit(edit))
{
    edit_->setValidator(limit_);
    QObject::connect(edit_, &QLineEdit::textEdited, edit_, [control = WeakRef(&model)](const QString& text) {
        if (auto* peer = live<TextFieldPeer>(control))
            peer->edited(text);
    });
}

void TextFieldPeer::focusByTab()
{
    // Selected as a Tab selects it, also when the keyboard arrives only once the window is active.
    edit_->selectAll();
    ControlPeer::focusByTab();
}

void TextFieldPeer::edited(const QString& text)
{
    WeakRef control(&field_);
    Ref<Object> hold = Ref<Object>::retain(&field_); // a handler may close the window that holds the field
    editing_ = true;
    CallModel([&] { field_.userEdited(FromQt(text)); });
    if (live<TextFieldPeer>(control) != this)
        return; // the handler closed the field itself
    editing_ = false;
    showModelText();
}

void TextFieldPeer::showModelText()
{
    QString shown = ToQt(field_.text());
    if (edit_->text() == shown)
        return;
    if (!edit_->hasFocus()) {
        edit_->setText(shown);
        return;
    }
    int caret = edit_->cursorPosition();
    edit_->setText(shown);
    edit_->setCursorPosition(std::min(caret, static_cast<int>(shown.size())));
}

void TextFieldPeer::show(Aspect aspect)
{
    switch (aspect) {
    case Aspect::Text:
        edit_->setPlaceholderText(ToQt(field_.cueText()));
        if (!editing_) // during an edit the peer shows the outcome once the model is done
            showModelText();
        break;
    case Aspect::Range:
        limit_->setLimit(field_.limitText());
        break;
    case Aspect::Style:
        edit_->setReadOnly(field_.readOnly());
        edit_->setAlignment(alignmentOf(field_.alignment()));
        edit_->setFrame(field_.border());
        edit_->setEchoMode(field_.password() ? QLineEdit::Password : QLineEdit::Normal);
        break;
    case Aspect::Font:
        ApplyFont(edit_, field_);
        break;
    case Aspect::Colors:
        SetEnabledColor(edit_, QPalette::Text, field_.textColor());
        SetEnabledColor(edit_, QPalette::Base, field_.backColor());
        break;
    default:
        break;
    }
}

} // namespace fw::qt
