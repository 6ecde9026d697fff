#include "TextFieldPeer.h"

#include "CaretAnchoredToPoint.h"
#include "CodePointLimit.h"
#include "TextConversion.h"
#include "WeakObject.h"

#include <fw/TextField.h>

#include <QLineEdit>

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

TextFieldPeer::TextFieldPeer(TextField& object)
    : TextEditPeer(object, new QLineEdit)
    , limit_(new CodePointLimit(view()))
{
    view()->setValidator(limit_);
    QObject::connect(view(), &QLineEdit::textEdited, view(), [control = WeakObject(&object)](const QString& text) {
        if (auto* peer = control.peer<TextFieldPeer>())
            peer->edited(FromQt(text));
    });
}

void TextFieldPeer::focusByTab()
{
    // Selected as a Tab selects it, also when the keyboard arrives only once the window is active.
    view()->selectAll();
    ControlPeer::focusByTab();
}

bool TextFieldPeer::takeObjectText()
{
    QString shown = ToQt(object().text());
    if (view()->text() == shown)
        return false;
    view()->setText(shown);
    return true;
}

void TextFieldPeer::showObjectText()
{
    if (takeObjectText())
        view()->setCursorPosition(0); // scrolls a text wider than the field back to its start
}

void TextFieldPeer::showEditRewritten()
{
    QString typed = view()->text();
    int caret = view()->cursorPosition();
    if (takeObjectText())
        view()->setCursorPosition(CaretAnchoredToPoint(typed, caret, view()->text()));
}

void TextFieldPeer::show(Aspect aspect)
{
    showShared(aspect);
    switch (aspect) {
    case Aspect::CueText:
        view()->setPlaceholderText(ToQt(object().cueText()));
        break;
    case Aspect::Range:
        limit_->setLimit(object().limitText());
        break;
    case Aspect::Style:
        view()->setReadOnly(object().readOnly());
        view()->setAlignment(alignmentOf(object().alignment()));
        view()->setFrame(object().border());
        view()->setEchoMode(object().password() ? QLineEdit::Password : QLineEdit::Normal);
        break;
    default:
        break;
    }
}

} // namespace fw::qt
