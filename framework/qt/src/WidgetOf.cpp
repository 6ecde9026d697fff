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

QWidget* WidgetOf(Object* object)
{
    if (auto* window = dynamic_cast<Window*>(object)) {
        auto* peer = WindowPeer::of(window);
        return peer ? peer->widget() : nullptr;
    }
    auto* peer = ControlPeer::of(object);
    return peer ? peer->widget() : nullptr;
}

QWidget* ContentOf(Window* window)
{
    auto* peer = WindowPeer::of(window);
    return peer ? peer->content() : nullptr;
}

QMenuBar* MenuBarOf(Window* window)
{
    auto* peer = WindowPeer::of(window);
    return peer ? peer->menuBar() : nullptr;
}

QAction* ActionOf(MenuItem* item)
{
    auto* peer = MenuPeer::of(item);
    return peer ? peer->action() : nullptr;
}

QTimer* ClockOf(Timer* timer)
{
    auto* peer = timer ? dynamic_cast<TimerPeer*>(timer->peer()) : nullptr;
    return peer ? peer->clock() : nullptr;
}

QImage DrawnAlone(Object* control)
{
    auto* peer = ControlPeer::of(control);
    QWidget* widget = peer ? peer->widget() : nullptr;
    if (!widget)
        return {};
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace fw::qt
