// A window's controls: made for it, added under a name, found by name or position, removed.
#include "WindowShared.h"

#include <fw/Control.h>
#include <fw/Exceptions.h>
#include <fw/Interfaces.h>
#include <fw/Timer.h>
#include <fw/Window.h>

#include <algorithm>
#include <string>

namespace fw {

using namespace detail;

namespace {
// Tells an object that a window holds without being a control (a timer) which window that is.
void tellPaneChild(Object* child, Window* window)
{
    const InterfaceEntry* entry = FindInterfaceEntry(child, PaneChildInterface());
    if (!entry || entry->methodCount <= PaneChildSlot::kSetWindow)
        return;
    if (MethodEntry setWindow = entry->methodTable[PaneChildSlot::kSetWindow])
        EntryAs<void (*)(Object*, Object*)>(setWindow)(child, window);
}
} // namespace

void detail::attachPeerOf(Object* child)
{
    if (auto* control = dynamic_cast<Control*>(child))
        control->attachPeer();
    else if (auto* timer = dynamic_cast<Timer*>(child))
        timer->attachPeer();
}

Ref<Object> Window::ControlAt(std::int32_t position) const
{
    RequireUIThread();
    return position < 0 ? nullptr : Ref<Object>::retain(controlObject(static_cast<std::size_t>(position)));
}

Ref<Object> Window::New(ClassRecord* cls)
{
    RequireUIThread();
    if (!cls)
        RaiseNilObjectException();
    if (cls->kind != kKindClass || !cls->construct)
        Raise<RuntimeException>("class " + std::string(cls->registeredName) + " cannot be instantiated for a window");
    auto object = RuntimeNewObject(cls);
    if (auto* control = dynamic_cast<Control*>(object.get()))
        control->window_ = WeakRef(this);
    return object;
}

void Window::AddControl(String* name, Object* control)
{
    RequireUIThread();
    if (!control)
        RaiseNilObjectException();
    auto text = Text(name);
    if (findControl(text))
        Raise<RuntimeException>(
            "a window of class " + classNameOf(this) + " has a control named \"" + std::string(text) + "\" already");
    for (auto& entry : controls_)
        if (entry.control.get() == control)
            Raise<RuntimeException>(
                "the control \"" + entry.name + "\" cannot be added again as \"" + std::string(text) + "\"");
    controls_.push_back({ std::string(text), Ref<Object>::retain(control) });
    if (auto* added = dynamic_cast<Control*>(control)) {
        added->window_ = WeakRef(this);
        if (added->name_.empty())
            added->name_ = text;
    }
    tellPaneChild(control, this);
    if (stage_ == Stage::Open && InstalledPeerFactory())
        attachPeerOf(control);
}

Ref<Object> Window::ControlByName(String* name) const
{
    RequireUIThread();
    return Ref<Object>::retain(findControl(Text(name)));
}

void Window::removeControl(Object* control)
{
    auto found = std::find_if(
        controls_.begin(), controls_.end(), [&](const NamedControl& entry) { return entry.control.get() == control; });
    if (found == controls_.end())
        return;
    Ref<Object> removed = std::move(found->control);
    controls_.erase(found);
    if (focus_.get() == control)
        focus_ = WeakRef();
}

Object* Window::controlObject(std::size_t position) const noexcept
{
    return position < controls_.size() ? controls_[position].control.get() : nullptr;
}

std::string_view Window::controlName(std::size_t position) const noexcept
{
    return position < controls_.size() ? std::string_view(controls_[position].name) : std::string_view {};
}

Object* Window::findControl(std::string_view name) const noexcept
{
    for (auto& entry : controls_)
        if (entry.name == name)
            return entry.control.get();
    return nullptr;
}

} // namespace fw
