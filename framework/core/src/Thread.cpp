#include <fw/Exceptions.h>
#include <fw/Thread.h>

#include <thread>

namespace fw {

namespace {
// Static initialisation runs on the main thread, before main.
const std::thread::id uiThread = std::this_thread::get_id();
} // namespace

bool OnUIThread() noexcept { return std::this_thread::get_id() == uiThread; }

void RequireUIThread()
{
    if (!OnUIThread())
        Raise<ThreadAccessingUIException>("a user-interface object was used outside the user-interface thread");
}

} // namespace fw
