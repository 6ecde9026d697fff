// The framework's delegates and event handlers bound as the program binds a
// window's handler, through the program's own binding (calculators/EventBinding.h:
// header-only, over the framework's public headers, so this suite includes it
// without linking the program). The tests' handlers are bare entry points that
// take the bound object and the control; any control's class will do.
#pragma once

#include "calculators/EventBinding.h"

#include <fw/Control.h>

#include <cstdint>

namespace test_binding {

using Handler = void (*)(fw::Object* bound, fw::Object* control);

template <std::int32_t Index> void Bind(fw::Object* control, Handler handler, fw::Object* bound)
{
    calculators::BindHandler<fw::Control, Index>(bound, control, reinterpret_cast<fw::MethodEntry>(handler));
}

} // namespace test_binding
