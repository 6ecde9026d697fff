// A slider: an Int32 value kept within Minimum and Maximum. Every change of the
// value, by a setter, by a change of the range that moves it, or by the user
// (`userMoved` from the peer), fires `ValueChanged` once; the same value fires
// nothing.
#pragma once

#include <fw/RectControl.h>

#include <cstdint>
#include <string_view>

namespace fw {

class Slider;

namespace SliderEvent {
inline constexpr auto kTable = EventsOf<Slider>(RectControlEvent::kTable,
    Joined(kFocusEvents, kMouseButtonEvents, std::array { EventRow { "ValueChanged", "%%" } }));
inline constexpr auto kValueChanged = EventNamed<kTable, "ValueChanged">();
} // namespace SliderEvent

class Slider : public RectControl {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "Slider";

    // From the peer: the user moved the slider to this value.
    void userMoved(std::int32_t value);

    std::int32_t minimum() const noexcept { return minimum_; }
    // A minimum above the maximum raises the maximum to it.
    void setMinimum(std::int32_t minimum);
    std::int32_t maximum() const noexcept { return maximum_; }
    // A maximum below the minimum lowers the minimum to it.
    void setMaximum(std::int32_t maximum);
    std::int32_t value() const noexcept { return value_; }
    void setValue(std::int32_t value);
    std::int32_t lineStep() const noexcept { return lineStep_; }
    void setLineStep(std::int32_t step);
    std::int32_t pageStep() const noexcept { return pageStep_; }
    void setPageStep(std::int32_t step);
    // False: the value changes only when the user lets go.
    bool liveScroll() const noexcept { return liveScroll_; }
    void setLiveScroll(bool value);
    std::int32_t tickStyle() const noexcept { return tickStyle_; }
    void setTickStyle(std::int32_t style);

private:
    void changeValue(std::int32_t value);

    std::int32_t minimum_ = 0;
    std::int32_t maximum_ = 100;
    std::int32_t value_ = 0;
    std::int32_t lineStep_ = 1;
    std::int32_t pageStep_ = 20;
    std::int32_t tickStyle_ = 0;
    bool liveScroll_ = true;
};

} // namespace fw
