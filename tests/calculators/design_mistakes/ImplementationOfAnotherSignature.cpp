// Must not compile with DESIGN_MISTAKE: a timer's _Index takes an Int32 where the
// interface's takes nothing, so a call through the interface would pass it no Int32.
// Without it the implementation takes nothing.
#include "calculators/ClassDeclaration.h"

#include <fw/Timer.h>

#ifdef DESIGN_MISTAKE
std::int32_t index(fw::Timer&, std::int32_t) { return 0; }
#else
std::int32_t index(fw::Timer&) { return 0; }
#endif

MethodDeclaration Declare() { return Implementation<&index, fw::PaneChild, fw::PaneChildSlot::kIndex>(); }
