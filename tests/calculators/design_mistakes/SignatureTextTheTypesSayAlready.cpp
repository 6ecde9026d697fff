// Must not compile with DESIGN_MISTAKE: a method writes the signature text that its C++
// types already give. Without it the method takes its text from the types, and it compiles.
#include "calculators/ClassDeclaration.h"

#include <fw/Window.h>

void Layout(fw::Window&) { }

#ifdef DESIGN_MISTAKE
constexpr std::string_view kWritten = "%%";
MethodDeclaration Declare() { return Method<&Layout, kWritten>("Layout"); }
#else
MethodDeclaration Declare() { return Method<&Layout>("Layout"); }
#endif
