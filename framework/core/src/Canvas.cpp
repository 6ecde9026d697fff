#include "NativeClass.h"

#include <fw/Canvas.h>

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
    using C = Canvas;
    static constexpr NativeProperty properties[] = {
        Property<"Backdrop", &C::backdrop, &C::setBackdrop>(),
        Property<"Transparent", &C::transparent, &C::setTransparent>(),
        Property<"EraseBackground", &C::eraseBackground, &C::setEraseBackground>(),
        Property<"DoubleBuffer", &C::doubleBuffer, &C::setDoubleBuffer>(),
        Property<"AcceptTabs", &C::acceptTabs, &C::setAcceptTabs>(),
        Property<"AcceptFocus", &C::acceptFocus, &C::setAcceptFocus>(),
        Property<"UseFocusRing", &C::useFocusRing, &C::setUseFocusRing>(),
    };
    static ClassRecord* cls = RegisterNativeClass<Canvas>({ .superclass = &RectControl::Class,
        .events = CanvasEvent::kTable,
        .properties = properties,
        .instanceSize = kCanvasSize });
    return cls;
}

} // namespace fw
