#include "NativeClass.h"

#include <fw/Line.h>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kLineSize = 132;
}

void Line::setX1(std::int32_t x) { change(x1_, x, Aspect::Geometry); }
void Line::setY1(std::int32_t y) { change(y1_, y, Aspect::Geometry); }
void Line::setX2(std::int32_t x) { change(x2_, x, Aspect::Geometry); }
void Line::setY2(std::int32_t y) { change(y2_, y, Aspect::Geometry); }
void Line::setBorderWidth(std::int32_t width) { change(borderWidth_, width, Aspect::Style); }
void Line::setLineColor(Color color) { change(lineColor_, color, Aspect::Colors); }

ClassRecord* Line::Class()
{
    using L = Line;
    static constexpr NativeProperty properties[] = {
        Property<"X1", &L::x1, &L::setX1>(),
        Property<"Y1", &L::y1, &L::setY1>(),
        Property<"X2", &L::x2, &L::setX2>(),
        Property<"Y2", &L::y2, &L::setY2>(),
        Property<"BorderWidth", &L::borderWidth, &L::setBorderWidth>(),
        Property<"LineColor", &L::lineColor, &L::setLineColor>(),
    };
    static ClassRecord* cls = RegisterNativeClass<Line>(
        { .superclass = &RectControl::Class, .properties = properties, .instanceSize = kLineSize });
    return cls;
}

} // namespace fw
