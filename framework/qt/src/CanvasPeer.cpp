#include "CanvasPeer.h"

#include "ParentBackground.h"
#include "PictureImage.h"

#include <fw/Canvas.h>

#include <QPaintEvent>
#include <QPainter>

namespace fw::qt {

CanvasWidget::CanvasWidget(Canvas& object)
    : object_(&object)
{
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    if (IsOpaque(*this))
        PaintParentBackground(*this, event->region());
    auto canvas = object_.get();
    if (!canvas)
        return;
    if (const QImage* image = ImageOf(canvas->backdrop().get())) {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), *image);
    }
    canvas->drawn();
}

CanvasPeer::CanvasPeer(Canvas& object)
    : ControlPeerOf(object, new CanvasWidget(object))
{
}

Qt::FocusPolicy CanvasPeer::tabStopFocus() const { return object().acceptFocus() ? Qt::StrongFocus : Qt::NoFocus; }

void CanvasPeer::show(Aspect aspect)
{
    switch (aspect) {
    case Aspect::Picture:
        view()->update();
        break;
    case Aspect::Colors:
        SetOpaque(*view(), !object().transparent());
        break;
    default:
        break;
    }
}

} // namespace fw::qt
