#include "SliderPeer.h"

#include "WeakObject.h"

#include <fw/Slider.h>

#include <QSlider>

#include <utility>

namespace fw::qt {

namespace {
// TickStyle: 0 none, 1 below (right of a vertical slider), 2 above (left), 3 both.
QSlider::TickPosition ticksOf(std::int32_t style)
{
    switch (style) {
    case 1:
        return QSlider::TicksBelow;
    case 2:
        return QSlider::TicksAbove;
    case 3:
        return QSlider::TicksBothSides;
    default:
        return QSlider::NoTicks;
    }
}
} // namespace

SliderPeer::SliderPeer(Slider& object)
    : ControlPeerOf(object, new QSlider)
{
    QObject::connect(view(), &QSlider::valueChanged, view(), [control = WeakObject(&object)](int value) {
        if (auto* peer = control.peer<SliderPeer>(); peer && !peer->applying_)
            peer->moved(value);
    });
}

void SliderPeer::placeWidget()
{
    view()->setOrientation(object().height() > object().width() ? Qt::Vertical : Qt::Horizontal);
    ControlPeer::placeWidget();
}

void SliderPeer::moved(int value)
{
    if (reportUserChange([&] { object().userMoved(value); }))
        showValue(); // a ValueChanged handler may have set another value
}

void SliderPeer::showValue()
{
    if (view()->value() == object().value())
        return;
    bool wasApplying = std::exchange(applying_, true);
    view()->setValue(object().value());
    applying_ = wasApplying;
}

void SliderPeer::show(Aspect aspect)
{
    switch (aspect) {
    case Aspect::Range: {
        bool wasApplying = std::exchange(applying_, true);
        view()->setRange(object().minimum(), object().maximum());
        view()->setSingleStep(object().lineStep());
        view()->setPageStep(object().pageStep());
        applying_ = wasApplying;
        showValue();
        break;
    }
    case Aspect::Selection:
        showValue();
        break;
    case Aspect::Style:
        view()->setTickPosition(ticksOf(object().tickStyle()));
        view()->setTracking(object().liveScroll());
        break;
    default:
        break;
    }
}

} // namespace fw::qt
