#include "LinePeer.h"

#include "Styling.h"

#include <fw/Line.h>

#include <QPainter>

#include <algorithm>

namespace fw::qt {

LineWidget::LineWidget()
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineWidget::setLine(QLine line, int width, QColor color)
{
    line_ = line;
    width_ = width;
    color_ = color;
    update();
}

void LineWidget::paintEvent(QPaintEvent*)
{
    if (width_ <= 0)
        return;
    QPainter painter(this);
    // A thin line covers both end pixels; a wide one ends flat at its end points.
    QPen pen(color_, width_, Qt::SolidLine, width_ == 1 ? Qt::SquareCap : Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(line_);
}

LinePeer::LinePeer(Line& object)
    : ControlPeerOf(object, new LineWidget)
{
}

// The widget is the line's bounding box, widened by half the pen on each side.
void LinePeer::placeWidget()
{
    QPoint origin = parentOrigin();
    QPoint from = QPoint(object().x1(), object().y1()) - origin;
    QPoint to = QPoint(object().x2(), object().y2()) - origin;
    int margin = std::max(1, (object().borderWidth() + 1) / 2);
    QRect box = QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin);
    view()->setGeometry(box);
    view()->setLine(
        QLine(from - box.topLeft(), to - box.topLeft()), object().borderWidth(), ToQColor(object().lineColor()));
}

void LinePeer::show(Aspect aspect)
{
    if (aspect == Aspect::Style || aspect == Aspect::Colors)
        placeWidget();
}

} // namespace fw::qt
