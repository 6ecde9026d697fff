#include "LabelPeer.h"

#include "ModelCall.h"
#include "ParentBackground.h"
#include "Styling.h"
#include "TextConversion.h"

#include <fw/Label.h>

#include <QMouseEvent>
#include <QPaintEvent>

namespace fw::qt {

namespace {
// TextAlign: 0 left, 1 centre, 2 right; the text starts at the top either way.
Qt::Alignment alignmentOf(std::int32_t textAlign)
{
    switch (textAlign) {
    case 1:
        return Qt::AlignHCenter | Qt::AlignTop;
    case 2:
        return Qt::AlignRight | Qt::AlignTop;
    default:
        return Qt::AlignLeft | Qt::AlignTop;
    }
}
} // namespace

LabelWidget::LabelWidget(Label& model)
    : model_(&model)
{
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
}

Ref<Label> LabelWidget::model() const { return Ref<Label>::retain(static_cast<Label*>(model_.get())); }

void LabelWidget::paintEvent(QPaintEvent* event)
{
    if (IsOpaque(*this))
        PaintParentBackground(*this, event->region());
    QLabel::paintEvent(event);
}

void LabelWidget::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    event->accept();
    pressed_ = true;
    QPoint at = event->position().toPoint();
    if (auto label = model())
        CallModel([&] { (void)label->mouseDown(at.x(), at.y()); });
}

void LabelWidget::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
    if (!pressed_)
        return;
    QPoint at = event->position().toPoint();
    if (auto label = model())
        CallModel([&] { label->mouseDrag(at.x(), at.y()); });
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    event->accept();
    pressed_ = false;
    QPoint at = event->position().toPoint();
    if (auto label = model())
        CallModel([&] { label->mouseUp(at.x(), at.y()); });
}

LabelPeer::LabelPeer(Label& model)
    : LabelPeer(model, new LabelWidget(model))
{
}

LabelPeer::LabelPeer(Label& model, QLabel* widget)
    : ControlPeer(model, widget)
    , label_(model)
    , view_(widget)
{
}

void LabelPeer::show(Aspect aspect)
{
    switch (aspect) {
    case Aspect::Text:
        view_->setText(ShownText(label_.text()));
        break;
    case Aspect::Style:
        view_->setAlignment(alignmentOf(label_.textAlign()));
        view_->setWordWrap(label_.multiline());
        view_->setTextInteractionFlags(label_.selectable() ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
        break;
    case Aspect::Font:
        ApplyFont(view_, label_);
        break;
    case Aspect::Colors:
        SetEnabledColor(view_, QPalette::WindowText, label_.textColor());
        SetOpaque(*view_, !label_.transparent());
        break;
    default:
        break;
    }
}

} // namespace fw::qt
