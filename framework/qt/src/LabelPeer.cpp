#include "LabelPeer.h"

#include "ParentBackground.h"
#include "Styling.h"
#include "TextConversion.h"

#include <fw/Label.h>
#include <fw/qt/Run.h>

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

LabelWidget::LabelWidget(Label& object)
    : object_(&object)
{
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
}

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
    if (auto label = object_.get())
        GuardQtCall([&] { (void)label->mouseDown(at.x(), at.y()); });
}

void LabelWidget::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
    if (!pressed_)
        return;
    QPoint at = event->position().toPoint();
    if (auto label = object_.get())
        GuardQtCall([&] { label->mouseDrag(at.x(), at.y()); });
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    event->accept();
    pressed_ = false;
    QPoint at = event->position().toPoint();
    if (auto label = object_.get())
        GuardQtCall([&] { label->mouseUp(at.x(), at.y()); });
}

LabelPeer::LabelPeer(Label& object)
    : ControlPeerOf(object, new LabelWidget(object))
{
}

void LabelPeer::show(Aspect aspect)
{
    switch (aspect) {
    case Aspect::Text:
        view()->setText(ShownText(object().text()));
        break;
    case Aspect::Style:
        view()->setAlignment(alignmentOf(object().textAlign()));
        view()->setWordWrap(object().multiline());
        view()->setTextInteractionFlags(object().selectable() ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
        break;
    case Aspect::Colors:
        SetEnabledColor(view(), QPalette::WindowText, object().textColor());
        SetOpaque(*view(), !object().transparent());
        break;
    default:
        break;
    }
}

} // namespace fw::qt
