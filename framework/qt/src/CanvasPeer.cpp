#include "CanvasPeer.h"

#include "ParentBackground.h"
#include "PictureImage.h"

#include <fw/Canvas.h>

#include <QPaintEvent>
#include <QPainter>

namespace fw::qt {

CanvasWidget::CanvasWidget(Canvas& model)
    : model_(&model)
{
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    if (IsOpaque(*this))
        PaintParentBackground(*this, event->region());
    auto canvas = Ref<Canvas>::retain(static_cast<Canvas*>(model_.get()));
    if (!canvas)
        return;
    if (const QImage* image = ImageOf(canvas->backdrop().get())) {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), *image);
    }
    canvas->drawn();
}

CanvasPeer::CanvasPeer(Canvas& model)
    : CanvasPeer(model, new CanvasWidget(model))
{
}

CanvasPeer::CanvasPeer(Canvas& model, CanvasWidget* widget)
    : ControlPeer(model, widget)
    , canvas_(model)
    , view_(widget)
{
}

Qt::FocusPolicy CanvasPeer::tabStopFocus() const { return canvas_.acceptFocus() ? Qt::StrongFocus : Qt::NoFocus; }

void CanvasPeer::show(Aspect aspect)
{
    switch (aspect) {
    case Aspect::Picture:
        view_->update();
        break;
    case Aspect::Colors:
        SetOpaque(*view_, !canvas_.transparent());
        break;
    default:
        break;
    }
}

} // namespace fw::qt
