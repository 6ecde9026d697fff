// The framework's user-interface thread is the process's main thread; window,
// control and menu operations called from any other raise ThreadAccessingUIException.
#pragma once

namespace fw {

bool OnUIThread() noexcept;
void RequireUIThread();

} // namespace fw
