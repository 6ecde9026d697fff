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

LinePeer::LinePeer(Line& model)
    : LinePeer(model, new LineWidget)
{
}

LinePeer::LinePeer(Line& model, LineWidget* widget)
    : ControlPeer(model, widget)
    , line_(model)
    , view_(widget)
{
}

// The widget is the line's bounding box, widened by half the pen on each side.
void LinePeer::placeWidget()
{
    QPoint origin = parentOrigin();
    QPoint from = QPoint(line_.x1(), line_.y1()) - origin;
    QPoint to = QPoint(line_.x2(), line_.y2()) - origin;
    int margin = std::max(1, (line_.borderWidth() + 1) / 2);
    QRect box = QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin);
    view_->setGeometry(box);
    view_->setLine(QLine(from - box.topLeft(), to - box.topLeft()), line_.borderWidth(), ToQColor(line_.lineColor()));
}

void LinePeer::show(Aspect aspect)
{
    if (aspect == Aspect::Style || aspect == Aspect::Colors)
        placeWidget();
}

} // namespace fw::qt
