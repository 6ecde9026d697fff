// The seams where the user-interface layer plugs in: the quit hook and the event pump.
// Headless neither is installed.
#include "UserInterfaceHooks.h"

#include <fw/Application.h>

#include <utility>

namespace fw {

namespace {
std::function<void()>& quitHook()
{
    static std::function<void()> hook;
    return hook;
}

std::function<void(std::int32_t)>& eventPump()
{
    static std::function<void(std::int32_t)> pump;
    return pump;
}
} // namespace

std::function<void()> SetQuitHook(std::function<void()> hook) { return std::exchange(quitHook(), std::move(hook)); }

std::function<void(std::int32_t)> SetEventPump(std::function<void(std::int32_t)> pump)
{
    return std::exchange(eventPump(), std::move(pump));
}

void detail::RunQuitHook()
{
    if (quitHook())
        quitHook()();
}

void detail::PumpEvents(std::int32_t milliseconds)
{
    if (eventPump())
        eventPump()(milliseconds);
}

} // namespace fw
