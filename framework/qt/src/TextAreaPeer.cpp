#include "TextAreaPeer.h"

#include "ModelCall.h"
#include "Styling.h"
#include "TextConversion.h"

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

TextAreaPeer::TextAreaPeer(TextArea& model)
    : TextAreaPeer(model, new QTextEdit)
{
}

TextAreaPeer::TextAreaPeer(TextArea& model, QTextEdit* edit)
    : ControlPeer(model, edit)
    , area_(model)
    , edit_(edit)
{
    QObject::connect(edit_, &QTextEdit::textChanged, edit_, [control = WeakRef(&model)] {
        if (auto* peer = live<TextAreaPeer>(control); peer && !peer->applying_)
            peer->edited();
    });
}

void TextAreaPeer::edited()
{
    WeakRef control(&area_);
    Ref<Object> hold = Ref<Object>::retain(&area_);
    editing_ = true;
    CallModel([&] { area_.userEdited(ModelText(edit_->toPlainText())); });
    if (live<TextAreaPeer>(control) != this)
        return;
    editing_ = false;
    showModelText();
}

void TextAreaPeer::showModelText()
{
    QString shown = ShownText(area_.text());
    if (edit_->toPlainText() == shown)
        return;
    bool wasApplying = std::exchange(applying_, true);
    int caret = edit_->textCursor().position();
    bool focused = edit_->hasFocus();
    edit_->setPlainText(shown);
    if (focused) {
        QTextCursor cursor = edit_->textCursor();
        cursor.setPosition(std::min(caret, static_cast<int>(shown.size())));
        edit_->setTextCursor(cursor);
    }
    applyParagraphs();
    applying_ = wasApplying;
}

// Line spacing and alignment hold for every paragraph; new ones inherit them as they are typed.
void TextAreaPeer::applyParagraphs()
{
    bool wasApplying = std::exchange(applying_, true);
    QTextBlockFormat format;
    double spacing = area_.lineSpacing() > 0 ? area_.lineSpacing() : 1.0;
    format.setLineHeight(spacing * kPercent, QTextBlockFormat::ProportionalHeight);
    format.setAlignment(alignmentOf(area_.alignment()));
    QTextCursor all(edit_->document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(format);
    applying_ = wasApplying;
}

void TextAreaPeer::show(Aspect aspect)
{
    switch (aspect) {
    case Aspect::Text:
        if (!editing_)
            showModelText();
        break;
    case Aspect::Style:
        edit_->setReadOnly(area_.readOnly());
        edit_->setAcceptRichText(area_.styled());
        edit_->setFrameStyle(area_.border() ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
        edit_->setVerticalScrollBarPolicy(area_.scrollbarVertical() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        edit_->setHorizontalScrollBarPolicy(
            area_.scrollbarHorizontal() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        // A horizontal scroll bar is for lines longer than the area; without one, words wrap.
        edit_->setLineWrapMode(area_.scrollbarHorizontal() ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
        applyParagraphs();
        break;
    case Aspect::Font:
        ApplyFont(edit_, area_);
        applyParagraphs();
        break;
    case Aspect::Colors:
        SetEnabledColor(edit_, QPalette::Text, area_.textColor());
        SetEnabledColor(edit_, QPalette::Base, area_.backColor());
        break;
    default:
        break;
    }
}

} // namespace fw::qt
