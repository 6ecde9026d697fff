// A line as a widget that paints it from (X1, Y1) to (X2, Y2), which are window
// coordinates; the widget covers just the line and lets the mouse through.
#pragma once

#include "ControlPeer.h"

#include <QColor>
#include <QLine>
#include <QWidget>

namespace fw {
class Line;
}

namespace fw::qt {

class LineWidget : public QWidget {
public:
    LineWidget();
    // The line in this widget's coordinates.
    void setLine(QLine line, int width, QColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine line_;
    int width_ = 1;
    QColor color_;
};

class LinePeer : public ControlPeerOf<Line, LineWidget> {
public:
    explicit LinePeer(Line& object);
    void placeWidget() override;

protected:
    void show(Aspect aspect) override;
};

} // namespace fw::qt
