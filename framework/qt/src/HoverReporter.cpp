#include "HoverReporter.h"

#include "ControlPeer.h"

#include <fw/RectControl.h>
#include <fw/qt/Run.h>

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
        // Through the peer, as every report from a widget: a control on its way out
        // has left the register before Qt, hiding its widget, tells it about the mouse.
        if (auto* peer = control_.peer<ControlPeer>()) {
            Ref<Object> hold = Ref<Object>::retain(&peer->object());
            RectControl& control = peer->object();
            bool entered = event->type() == QEvent::Enter;
            GuardQtCall([&] { entered ? control.mouseEnter() : control.mouseExit(); });
        }
    }
    return false;
}

} // namespace fw::qt
