// A canvas as a widget that paints its Backdrop picture at its top-left corner,
// unscaled; without a picture it paints nothing. An opaque canvas paints its
// parent's background under the picture.
#pragma once

#include "ControlPeer.h"
#include "WeakModel.h"

#include <QWidget>

namespace fw {
class Canvas;
}

namespace fw::qt {

class CanvasWidget : public QWidget {
public:
    explicit CanvasWidget(Canvas& model);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WeakModel<Canvas> model_;
};

class CanvasPeer : public ControlPeerOf<Canvas, CanvasWidget> {
public:
    explicit CanvasPeer(Canvas& model);

protected:
    void show(Aspect aspect) override;
    Qt::FocusPolicy tabStopFocus() const override;
};

} // namespace fw::qt
