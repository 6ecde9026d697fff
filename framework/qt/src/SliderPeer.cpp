#include "SliderPeer.h"

#include "ModelCall.h"

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
    : SliderPeer(model, new QSlider)
{
}

SliderPeer::SliderPeer(Slider& model, QSlider* slider)
    : ControlPeer(model, slider)
    , slider_(model)
    , view_(slider)
{
    QObject::connect(view_, &QSlider::valueChanged, view_, [control = WeakRef(&model)](int value) {
        if (auto* peer = live<SliderPeer>(control); peer && !peer->applying_)
            peer->moved(value);
    });
}

void SliderPeer::placeWidget()
{
    view_->setOrientation(slider_.height() > slider_.width() ? Qt::Vertical : Qt::Horizontal);
    ControlPeer::placeWidget();
}

void SliderPeer::moved(int value)
{
    WeakRef control(&slider_);
    Ref<Object> hold = Ref<Object>::retain(&slider_);
    CallModel([&] { slider_.userMoved(value); });
    if (live<SliderPeer>(control) == this)
        showValue(); // a ValueChanged handler may have set another value
}

void SliderPeer::showValue()
{
    if (view_->value() == slider_.value())
        return;
    bool wasApplying = std::exchange(applying_, true);
    view_->setValue(slider_.value());
    applying_ = wasApplying;
}

void SliderPeer::show(Aspect aspect)
{
    switch (aspect) {
    case Aspect::Range: {
        bool wasApplying = std::exchange(applying_, true);
        view_->setRange(slider_.minimum(), slider_.maximum());
        view_->setSingleStep(slider_.lineStep());
        view_->setPageStep(slider_.pageStep());
        applying_ = wasApplying;
        showValue();
        break;
    }
    case Aspect::Selection:
        showValue();
        break;
    case Aspect::Style:
        view_->setTickPosition(ticksOf(slider_.tickStyle()));
        view_->setTracking(slider_.liveScroll());
        break;
    default:
        break;
    }
}

} // namespace fw::qt
