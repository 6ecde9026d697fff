#include "HoverReporter.h"

#include "ModelCall.h"

#include <fw/RectControl.h>

#include <QEvent>

namespace fw::qt {

HoverReporter::HoverReporter(RectControl& control, QObject* parent)
    : QObject(parent)
    , control_(&control)
{
}

bool HoverReporter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && (event->type() == QEvent::Enter || event->type() == QEvent::Leave)) {
        Ref<Object> control = Ref<Object>::retain(control_.get());
        if (control) {
            auto* rect = native_cast<RectControl>(control.get());
            bool entered = event->type() == QEvent::Enter;
            CallModel([&] { entered ? rect->mouseEnter() : rect->mouseExit(); });
        }
    }
    return false;
}

} // namespace fw::qt
