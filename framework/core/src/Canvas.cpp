#include "NativeClass.h"

#include <fw/Canvas.h>
#include <fw/PropertyTables.h>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kCanvasSize = 136;
}

void Canvas::setBackdrop(Ref<Picture> picture) { change(backdrop_, picture, Aspect::Picture); }

void Canvas::setTransparent(bool value) { change(transparent_, value, Aspect::Colors); }
void Canvas::setEraseBackground(bool value) { change(eraseBackground_, value, Aspect::Style); }
void Canvas::setDoubleBuffer(bool value) { change(doubleBuffer_, value, Aspect::Style); }
void Canvas::setAcceptTabs(bool value) { change(acceptTabs_, value, Aspect::Style); }
void Canvas::setAcceptFocus(bool value) { change(acceptFocus_, value, Aspect::TabOrder); }
void Canvas::setUseFocusRing(bool value) { change(useFocusRing_, value, Aspect::Style); }

ClassRecord* Canvas::Class()
{
    static ClassRecord* cls = RegisterNativeClass<Canvas>({ .superclass = &RectControl::Class,
        .events = CanvasEvent::kTable,
        .properties = CanvasProperty::kTable,
        .instanceSize = kCanvasSize });
    return cls;
}

} // namespace fw
