#include "NativeClass.h"

#include <fw/Line.h>
#include <fw/PropertyTables.h>

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
    static ClassRecord* cls = RegisterNativeClass<Line>(
        { .superclass = &RectControl::Class, .properties = LineProperty::kTable, .instanceSize = kLineSize });
    return cls;
}

} // namespace fw
