#include "ControlTables.h"

#include <fw/Control.h>
#include <fw/FrameworkClasses.h>
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
void Control::setName(std::string_view name)
{
    RequireUIThread();
    name_ = name;
}

void Control::setIndex(std::int32_t index)
{
    RequireUIThread();
    index_ = index;
}

Window* Control::window() const noexcept { return static_cast<Window*>(window_.get()); }
Ref<Window> Control::windowProperty() const { return Ref<Window>::retain(window()); }

void Control::attachPeer()
{
    if (peer_)
        return;
    if (auto* factory = InstalledPeerFactory())
        peer_ = factory->makePeer(*this);
}

ClassRecord* Control::Class()
{
    using C = Control;
    static const auto methods
        = JoinArrays(std::array { Routine<&C::Close>("Close", "%%") }, Accessors<"Name", &C::name, &C::setName>(),
            Accessors<"Index", &C::index, &C::setIndex>(), ReadAccessor<"Window", &C::windowProperty>(),
            ReadAccessor<"Handle", &C::handle>(), ReadAccessor<"Opened", &C::opened>());
    static const NativeEvent events[] = {
        { "Close", "%%" },
        { "CreatePane", "%%" },
        { "Open", "%%" },
    };
    static const NativeProperty properties[] = {
        Property<&C::name, &C::setName>("Name"),
        Property<&C::index, &C::setIndex>("Index"),
        ReadOnlyProperty<&C::windowProperty>("Window"),
        ReadOnlyProperty<&C::handle>("Handle"),
        ReadOnlyProperty<&C::opened>("Opened"),
    };
    static ClassRecord* cls = RegisterNativeClass({ .name = kClassName,
        .superclass = &ObjectClass,
        .methods = methods,
        .events = events,
        .properties = properties,
        .instanceSize = kControlSize });
    return cls;
}

} // namespace fw
