// The framework's calls into the hooks that the user-interface layer installs with
// SetQuitHook and SetEventPump (fw/Application.h); each does nothing while none is.
#pragma once

#include <cstdint>

namespace fw::detail {

// Ends the application's event loop.
void RunQuitHook();
// Runs pending events for at most the given milliseconds (0: those that are waiting).
void PumpEvents(std::int32_t milliseconds);

} // namespace fw::detail
