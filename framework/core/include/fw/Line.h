// A drawn line from (X1, Y1) to (X2, Y2), in window coordinates.
#pragma once

#include <fw/Color.h>
#include <fw/RectControl.h>

#include <cstdint>
#include <string_view>

namespace fw {

class Line : public RectControl {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "Line";

    std::int32_t x1() const noexcept { return x1_; }
    void setX1(std::int32_t x);
    std::int32_t y1() const noexcept { return y1_; }
    void setY1(std::int32_t y);
    std::int32_t x2() const noexcept { return x2_; }
    void setX2(std::int32_t x);
    std::int32_t y2() const noexcept { return y2_; }
    void setY2(std::int32_t y);
    std::int32_t borderWidth() const noexcept { return borderWidth_; }
    void setBorderWidth(std::int32_t width);
    Color lineColor() const noexcept { return lineColor_; }
    void setLineColor(Color color);

private:
    std::int32_t x1_ = 0;
    std::int32_t y1_ = 0;
    std::int32_t x2_ = 100;
    std::int32_t y2_ = 0;
    std::int32_t borderWidth_ = 1;
    Color lineColor_ {};
};

} // namespace fw
