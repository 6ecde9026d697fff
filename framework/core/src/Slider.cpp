#include "NativeClass.h"

#include <fw/PropertyTables.h>
#include <fw/Slider.h>

#include <algorithm>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kSliderSize = 140;
}

void Slider::changeValue(std::int32_t value)
{
    auto kept = std::clamp(value, minimum_, maximum_);
    if (change(value_, kept, Aspect::Selection))
        RaiseEvent(*this, SliderEvent::kValueChanged);
}

void Slider::setValue(std::int32_t value) { changeValue(value); }

void Slider::userMoved(std::int32_t value)
{
    RequireUIThread();
    auto kept = std::clamp(value, minimum_, maximum_);
    if (kept == value_)
        return;
    value_ = kept;
    if (kept != value)
        notify(Aspect::Selection); // the peer went past the range
    RaiseEvent(*this, SliderEvent::kValueChanged);
}

void Slider::setMinimum(std::int32_t minimum)
{
    RequireUIThread();
    if (minimum == minimum_)
        return;
    minimum_ = minimum;
    maximum_ = std::max(maximum_, minimum);
    notify(Aspect::Range);
    changeValue(value_);
}

void Slider::setMaximum(std::int32_t maximum)
{
    RequireUIThread();
    if (maximum == maximum_)
        return;
    maximum_ = maximum;
    minimum_ = std::min(minimum_, maximum);
    notify(Aspect::Range);
    changeValue(value_);
}

void Slider::setLineStep(std::int32_t step) { change(lineStep_, step, Aspect::Range); }
void Slider::setPageStep(std::int32_t step) { change(pageStep_, step, Aspect::Range); }
void Slider::setLiveScroll(bool value) { change(liveScroll_, value, Aspect::Style); }
void Slider::setTickStyle(std::int32_t style) { change(tickStyle_, style, Aspect::Style); }

ClassRecord* Slider::Class()
{
    static ClassRecord* cls = RegisterNativeClass<Slider>({ .superclass = &RectControl::Class,
        .events = SliderEvent::kTable,
        .properties = SliderProperty::kTable,
        .instanceSize = kSliderSize });
    return cls;
}

} // namespace fw
