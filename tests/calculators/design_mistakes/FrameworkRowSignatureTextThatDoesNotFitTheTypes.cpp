// Must not compile with DESIGN_MISTAKE: a row of the framework's own classes writes a signature
// text that names an object parameter its member function does not take. Without it the row
// binds the member function that takes the object, and it compiles.
#include "framework/core/src/NativeClass.h"

#include <fw/Timer.h>

using fw::detail::NativeMethod;
using fw::detail::Routine;

#ifdef DESIGN_MISTAKE
constexpr NativeMethod kRow = Routine<&fw::Timer::Reset, "%%o<actionNotificationReceiver>">("Reset");
#else
constexpr NativeMethod kRow = Routine<&fw::Timer::addActionNotificationReceiver, "%%o<actionNotificationReceiver>">(
    "addActionNotificationReceiver");
#endif
