// Where a menu choice goes: to the application's handler registered under the chosen
// entry's Name, else, for a QuitMenuItem, to the quit hook.
#include "UserInterfaceHooks.h"

#include <fw/Application.h>
#include <fw/MenuItem.h>
#include <fw/Thread.h>

namespace fw {

bool DispatchMenuChoice(MenuItem* item, bool* handlerResult)
{
    RequireUIThread();
    if (!item)
        return false;
    Ref<MenuItem> holdItem = Ref<MenuItem>::retain(item);
    auto application = getAppObject();
    auto handler = application && !item->name().empty() ? application->menuHandler(item->name()) : nullptr;
    if (handler) {
        bool result = handler(application.get());
        if (handlerResult)
            *handlerResult = result;
        return true;
    }
    if (item->menuRole() == MenuRole::Quit) {
        detail::RunQuitHook();
        return true;
    }
    return false;
}

} // namespace fw
