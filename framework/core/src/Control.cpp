#include "Handles.h"
#include "NativeClass.h"

#include <fw/Control.h>
#include <fw/FrameworkClasses.h>
#include <fw/PropertyTables.h>
#include <fw/Window.h>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kControlSize = 32;
}

Control::Control() noexcept
    : handle_(NextHandle())
{
}

Control::~Control() = default;

void Control::Close()
{
    RequireUIThread();
    Ref<Object> hold = Ref<Object>::retain(this);
    RaiseEvent(*this, ControlEvent::kClose);
    peer_.reset();
    if (auto* owner = window())
        owner->removeControl(this);
    window_ = WeakRef();
}

// Neither is shown.
void Control::setName(std::string_view name) { keep(name_, name); }
void Control::setIndex(std::int32_t index) { keep(index_, index); }

Window* Control::window() const noexcept { return static_cast<Window*>(window_.get()); }
Ref<Window> Control::windowProperty() const { return Ref<Window>::retain(window()); }

ClassRecord* Control::Class()
{
    using C = Control;
    static constexpr NativeMethod methods[] = { Routine<&C::Close>("Close", ControlSlot::kClose) };
    static_assert(SlotsFit(methods, 0, ControlSlot::kCount),
        "a row that names a slot constant sits at that position, and the method table holds ControlSlot::kCount");
    static ClassRecord* cls = RegisterNativeClass<Control>({ .superclass = &ObjectClass,
        .methods = methods,
        .events = ControlEvent::kTable,
        .properties = ControlProperty::kTable,
        .instanceSize = kControlSize });
    return cls;
}

} // namespace fw
