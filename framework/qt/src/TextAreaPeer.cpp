#include "TextAreaPeer.h"

#include "TextConversion.h"
#include "WeakObject.h"

#include <fw/TextArea.h>

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <algorithm>
#include <utility>

namespace fw::qt {

namespace {
constexpr double kPercent = 100.0;

// Alignment: 0 the default (left), 1 left, 2 centre, 3 right.
Qt::Alignment alignmentOf(std::int32_t alignment)
{
    switch (alignment) {
    case 2:
        return Qt::AlignHCenter;
    case 3:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}
} // namespace

TextAreaPeer::TextAreaPeer(TextArea& object)
    : TextEditPeer(object, new QTextEdit)
{
    QObject::connect(view(), &QTextEdit::textChanged, view(), [control = WeakObject(&object)] {
        if (auto* peer = control.peer<TextAreaPeer>(); peer && !peer->applying_)
            peer->edited(ObjectText(peer->view()->toPlainText()));
    });
}

void TextAreaPeer::showObjectText()
{
    QString shown = ShownText(object().text());
    if (view()->toPlainText() == shown)
        return;
    bool wasApplying = std::exchange(applying_, true);
    int caret = view()->textCursor().position();
    bool focused = view()->hasFocus();
    view()->setPlainText(shown);
    if (focused) {
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(std::min(caret, static_cast<int>(shown.size())));
        view()->setTextCursor(cursor);
    }
    applyParagraphs();
    applying_ = wasApplying;
}

// Line spacing and alignment hold for every paragraph; new ones inherit them as they are typed.
void TextAreaPeer::applyParagraphs()
{
    bool wasApplying = std::exchange(applying_, true);
    QTextBlockFormat format;
    double spacing = object().lineSpacing() > 0 ? object().lineSpacing() : 1.0;
    format.setLineHeight(spacing * kPercent, QTextBlockFormat::ProportionalHeight);
    format.setAlignment(alignmentOf(object().alignment()));
    QTextCursor all(view()->document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(format);
    applying_ = wasApplying;
}

void TextAreaPeer::show(Aspect aspect)
{
    showShared(aspect);
    switch (aspect) {
    case Aspect::Style:
        view()->setReadOnly(object().readOnly());
        view()->setAcceptRichText(object().styled());
        view()->setFrameStyle(object().border() ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
        view()->setVerticalScrollBarPolicy(
            object().scrollbarVertical() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        view()->setHorizontalScrollBarPolicy(
            object().scrollbarHorizontal() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        // A horizontal scroll bar is for lines longer than the area; without one, words wrap.
        view()->setLineWrapMode(object().scrollbarHorizontal() ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
        applyParagraphs();
        break;
    case Aspect::Font:
        applyParagraphs();
        break;
    default:
        break;
    }
}

} // namespace fw::qt
