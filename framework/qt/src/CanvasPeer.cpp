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
    auto canvas = model_.get();
    if (!canvas)
        return;
    if (const QImage* image = ImageOf(canvas->backdrop().get())) {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), *image);
    }
    canvas->drawn();
}

CanvasPeer::CanvasPeer(Canvas& model)
    : ControlPeerOf(model, new CanvasWidget(model))
{
}

Qt::FocusPolicy CanvasPeer::tabStopFocus() const { return model().acceptFocus() ? Qt::StrongFocus : Qt::NoFocus; }

void CanvasPeer::show(Aspect aspect)
{
    switch (aspect) {
    case Aspect::Picture:
        view()->update();
        break;
    case Aspect::Colors:
        SetOpaque(*view(), !model().transparent());
        break;
    default:
        break;
    }
}

} // namespace fw::qt
