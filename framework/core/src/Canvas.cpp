#include "ControlTables.h"

#include <fw/Canvas.h>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kCanvasSize = 136;
}

void Canvas::setBackdrop(Ref<Picture> picture)
{
    RequireUIThread();
    if (picture == backdrop_)
        return;
    backdrop_ = std::move(picture);
    notify(Aspect::Picture);
}

void Canvas::setTransparent(bool value) { change(transparent_, value, Aspect::Colors); }
void Canvas::setEraseBackground(bool value) { change(eraseBackground_, value, Aspect::Style); }
void Canvas::setDoubleBuffer(bool value) { change(doubleBuffer_, value, Aspect::Style); }
void Canvas::setAcceptTabs(bool value) { change(acceptTabs_, value, Aspect::Style); }
void Canvas::setAcceptFocus(bool value) { change(acceptFocus_, value, Aspect::TabOrder); }
void Canvas::setUseFocusRing(bool value) { change(useFocusRing_, value, Aspect::Style); }

ClassRecord* Canvas::Class()
{
    using C = Canvas;
    static const auto methods = JoinArrays(Accessors<"Backdrop", &C::backdrop, &C::setBackdrop>(),
        Accessors<"Transparent", &C::transparent, &C::setTransparent>(),
        Accessors<"EraseBackground", &C::eraseBackground, &C::setEraseBackground>(),
        Accessors<"DoubleBuffer", &C::doubleBuffer, &C::setDoubleBuffer>(),
        Accessors<"AcceptTabs", &C::acceptTabs, &C::setAcceptTabs>(),
        Accessors<"AcceptFocus", &C::acceptFocus, &C::setAcceptFocus>(),
        Accessors<"UseFocusRing", &C::useFocusRing, &C::setUseFocusRing>());
    static constexpr NativeEvent events[] = {
        { "GotFocus", "%%" },
        { "LostFocus", "%%" },
        { "MouseDown", "%b%i4i4" },
        { "MouseDrag", "%%i4i4" },
        { "MouseUp", "%%i4i4" },
        { "Paint", "%%o<Graphics>" },
    };
    static const NativeProperty properties[] = {
        Property<&C::backdrop, &C::setBackdrop>("Backdrop"),
        Property<&C::transparent, &C::setTransparent>("Transparent"),
        Property<&C::eraseBackground, &C::setEraseBackground>("EraseBackground"),
        Property<&C::doubleBuffer, &C::setDoubleBuffer>("DoubleBuffer"),
        Property<&C::acceptTabs, &C::setAcceptTabs>("AcceptTabs"),
        Property<&C::acceptFocus, &C::setAcceptFocus>("AcceptFocus"),
        Property<&C::useFocusRing, &C::setUseFocusRing>("UseFocusRing"),
    };
    static ClassRecord* cls = RegisterNativeClass({ .name = kClassName,
        .superclass = &RectControl::Class,
        .methods = methods,
        .events = events,
        .properties = properties,
        .instanceSize = kCanvasSize,
        .construct = &Construct<Canvas> });
    return cls;
}

} // namespace fw
