#include "FocusTracking.h"

#include "ControlPeer.h"
#include "ObjectCall.h"

#include <fw/RectControl.h>
#include <fw/Window.h>

#include <QApplication>

namespace fw::qt {

void TrackFocus(QApplication& application)
{
    QObject::connect(&application, &QApplication::focusChanged, &application, [](QWidget*, QWidget* now) {
        auto* peer = ControlPeer::forWidget(now);
        if (!peer)
            return;
        RectControl& control = peer->object();
        Ref<Window> window = Ref<Window>::retain(control.window());
        if (window && window->opened() && window->focus() != &control)
            CallObject([&] { window->focusOn(&control); });
    });
}

} // namespace fw::qt
