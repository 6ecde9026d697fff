// The user-interface thread's guard as another thread meets it: an operation
// the framework keeps to the user-interface thread is refused anywhere else.
#pragma once

#include <fw/ClassRecord.h>
#include <fw/Exceptions.h>

#include <functional>
#include <thread>

namespace test_threads {

// Whether `operation`, run on a thread of its own, raises ThreadAccessingUIException.
inline bool RefusedOffThread(const std::function<void()>& operation)
{
    bool refused = false;
    std::thread([&] {
        try {
            operation();
        } catch (const fw::Raised& raised) {
            refused = fw::RuntimeObjectIsa(raised.exception(), fw::ThreadAccessingUIException::Class());
        }
    }).join();
    return refused;
}

} // namespace test_threads
