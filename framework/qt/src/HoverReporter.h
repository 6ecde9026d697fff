// Tells a control when the mouse enters or leaves its widget.
#pragma once

#include "WeakObject.h"

#include <QObject>

namespace fw {
class RectControl;
}

namespace fw::qt {

class HoverReporter : public QObject {
public:
    HoverReporter(RectControl& control, QObject* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WeakObject<RectControl> control_;
};

} // namespace fw::qt
