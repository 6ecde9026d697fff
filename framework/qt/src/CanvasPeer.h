// A canvas as a widget that paints its Backdrop picture at its top-left corner,
// unscaled; without a picture it paints nothing. An opaque canvas paints its
// parent's background under the picture.
#pragma once

#include "ControlPeer.h"
#include "WeakObject.h"

#include <QWidget>

namespace fw {
class Canvas;
}

namespace fw::qt {

class CanvasWidget : public QWidget {
public:
    explicit CanvasWidget(Canvas& object);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WeakObject<Canvas> object_;
};

class CanvasPeer : public ControlPeerOf<Canvas, CanvasWidget> {
public:
    explicit CanvasPeer(Canvas& object);

protected:
    void show(Aspect aspect) override;
    Qt::FocusPolicy tabStopFocus() const override;
};

} // namespace fw::qt
