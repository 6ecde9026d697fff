#include "SliderPeer.h"

#include "WeakModel.h"

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

SliderPeer::SliderPeer(Slider& model)
    : ControlPeerOf(model, new QSlider)
{
    QObject::connect(view(), &QSlider::valueChanged, view(), [control = WeakModel(&model)](int value) {
        if (auto* peer = control.peer<SliderPeer>(); peer && !peer->applying_)
            peer->moved(value);
    });
}

void SliderPeer::placeWidget()
{
    view()->setOrientation(model().height() > model().width() ? Qt::Vertical : Qt::Horizontal);
    ControlPeer::placeWidget();
}

void SliderPeer::moved(int value)
{
    if (reportUserChange([&] { model().userMoved(value); }))
        showValue(); // a ValueChanged handler may have set another value
}

void SliderPeer::showValue()
{
    if (view()->value() == model().value())
        return;
    bool wasApplying = std::exchange(applying_, true);
    view()->setValue(model().value());
    applying_ = wasApplying;
}

void SliderPeer::show(Aspect aspect)
{
    switch (aspect) {
    case Aspect::Range: {
        bool wasApplying = std::exchange(applying_, true);
        view()->setRange(model().minimum(), model().maximum());
        view()->setSingleStep(model().lineStep());
        view()->setPageStep(model().pageStep());
        applying_ = wasApplying;
        showValue();
        break;
    }
    case Aspect::Selection:
        showValue();
        break;
    case Aspect::Style:
        view()->setTickPosition(ticksOf(model().tickStyle()));
        view()->setTracking(model().liveScroll());
        break;
    default:
        break;
    }
}

} // namespace fw::qt
