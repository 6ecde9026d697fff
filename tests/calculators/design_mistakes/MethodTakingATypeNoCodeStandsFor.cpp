// Must not compile with DESIGN_MISTAKE: a method takes a 64-bit number, which no signature
// type code stands for. Without it the method takes an Int32, and it compiles.
#include "calculators/ClassDeclaration.h"

#include <fw/Window.h>

#ifdef DESIGN_MISTAKE
void SetCount(fw::Window&, std::int64_t) { }
#else
void SetCount(fw::Window&, std::int32_t) { }
#endif

MethodDeclaration Declare() { return Method<&SetCount>("SetCount"); }
