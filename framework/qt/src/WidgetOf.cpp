#include "WidgetOf.h"

#include "ControlPeer.h"
#include "MenuPeer.h"
#include "TimerPeer.h"
#include "WindowPeer.h"

#include <fw/MenuItem.h>
#include <fw/Timer.h>
#include <fw/Window.h>

#include <QImage>
#include <QWidget>

namespace fw::qt {

namespace {
// What a peer gives, or nullptr when there is no peer.
template <class Peer, class Part> auto partOf(Peer* peer, Part (Peer::*part)() const noexcept) -> Part
{
    return peer ? (peer->*part)() : nullptr;
}
} // namespace

QWidget* WidgetOf(Object* object)
{
    if (auto* window = dynamic_cast<Window*>(object))
        return partOf(WindowPeer::of(window), &WindowPeer::widget);
    return partOf(ControlPeer::of(object), &ControlPeer::widget);
}

QWidget* ContentOf(Window* window) { return partOf(WindowPeer::of(window), &WindowPeer::content); }

QMenuBar* MenuBarOf(Window* window) { return partOf(WindowPeer::of(window), &WindowPeer::menuBar); }

QAction* ActionOf(MenuItem* item) { return partOf(MenuPeer::of(item), &MenuPeer::action); }

QTimer* ClockOf(Timer* timer)
{
    return partOf(timer ? dynamic_cast<TimerPeer*>(timer->peer()) : nullptr, &TimerPeer::clock);
}

QImage DrawnAlone(Object* control)
{
    QWidget* widget = WidgetOf(control);
    if (!widget)
        return {};
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace fw::qt
