// The register of open windows: it keeps each open window alive, in the order
// constructed, and finds the one that stands for its class.
#include "WindowShared.h"

#include <fw/Window.h>

#include <algorithm>

namespace fw {

using namespace detail;

namespace {
// Kept past the end of the run: an open window's peer may belong to a toolkit that is gone by then.
std::vector<Ref<Window>>& openWindows()
{
    static auto& windows = *new std::vector<Ref<Window>>;
    return windows;
}
} // namespace

void detail::registerOpenWindow(Ref<Window> window) { openWindows().push_back(std::move(window)); }

Ref<Window> detail::unregisterOpenWindow(Window* window)
{
    auto& windows = openWindows();
    auto found
        = std::find_if(windows.begin(), windows.end(), [&](const Ref<Window>& open) { return open.get() == window; });
    if (found == windows.end())
        return nullptr;
    Ref<Window> registered = std::move(*found);
    windows.erase(found);
    return registered;
}

bool Window::implicitInstance() const
{
    auto& windows = openWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if ((*it)->key() == key())
            return it->get() == this;
    return false;
}

std::string_view Window::key() const noexcept
{
    return classRecord() ? classRecord()->registeredName : std::string_view {};
}

Ref<Window> RuntimeGetImplicitWindow(String* key)
{
    RequireUIThread();
    auto wanted = Text(key);
    auto& windows = openWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if ((*it)->key() == wanted)
            return *it;
    return nullptr;
}

std::vector<Ref<Window>> OpenWindows()
{
    RequireUIThread();
    return openWindows();
}

} // namespace fw
