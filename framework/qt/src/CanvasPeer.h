// A canvas as a widget that paints its Backdrop picture at its top-left corner,
// unscaled; without a picture it paints nothing. An opaque canvas paints its
// parent's background under the picture.
#pragma once

#include "ControlPeer.h"

#include <fw/Object.h>

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
    WeakRef model_;
};

class CanvasPeer : public ControlPeer {
public:
    explicit CanvasPeer(Canvas& model);

protected:
    void show(Aspect aspect) override;
    Qt::FocusPolicy tabStopFocus() const override;

private:
    CanvasPeer(Canvas& model, CanvasWidget* widget);

    Canvas& canvas_;
    CanvasWidget* view_;
};

} // namespace fw::qt
