#include "FocusTracking.h"

#include "ControlPeer.h"

#include <fw/RectControl.h>
#include <fw/Window.h>
#include <fw/qt/Run.h>

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
            GuardQtCall([&] { window->focusOn(&control); });
    });
}

} // namespace fw::qt
