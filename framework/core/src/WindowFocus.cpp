// A window's keyboard focus: which control has it, and its move along the tab order.
#include "WindowShared.h"

#include <fw/Exceptions.h>
#include <fw/RectControl.h>
#include <fw/Window.h>

#include <algorithm>
#include <string>

namespace fw {

using namespace detail;

RectControl* Window::focus() const noexcept { return static_cast<RectControl*>(focus_.get()); }
Ref<RectControl> Window::focusProperty() const { return Ref<RectControl>::retain(focus()); }

void Window::focusOn(RectControl* control)
{
    RequireUIThread();
    if (control && control->window() != this)
        Raise<RuntimeException>(
            "control \"" + std::string(control->name()) + "\" is not in this window of class " + classNameOf(this));
    if (focus_.get() == control)
        return;
    focus_ = WeakRef(control);
    peer_.notify(Aspect::TabOrder);
}

void Window::ClearFocus() { focusOn(nullptr); }
void Window::FocusNext() { moveFocus(+1); }
void Window::FocusPrevious() { moveFocus(-1); }

void Window::moveFocus(int direction)
{
    RequireUIThread();
    std::vector<RectControl*> order;
    for (auto& entry : controls_)
        if (RuntimeObjectIsa(entry.control.get(), RectControl::Class())) {
            auto* control = native_cast<RectControl>(entry.control.get());
            if (control->tabStop() && control->enabled() && control->visible())
                order.push_back(control);
        }
    if (order.empty())
        return;
    std::stable_sort(order.begin(), order.end(),
        [](const RectControl* a, const RectControl* b) { return a->tabIndex() < b->tabIndex(); });
    auto count = static_cast<std::ptrdiff_t>(order.size());
    auto current = std::find(order.begin(), order.end(), focus()) - order.begin();
    std::ptrdiff_t next = current == count ? (direction > 0 ? 0 : count - 1) : (current + direction + count) % count;
    focusOn(order[static_cast<std::size_t>(next)]);
}

} // namespace fw
