// Must not compile: a method writes the signature text that its C++ types already give.
#include "calculators/ClassDeclaration.h"

#include <fw/Window.h>

void Layout(fw::Window&) { }
constexpr std::string_view kWritten = "%%";

MethodDeclaration Declare() { return Method<&Layout, kWritten>("Layout"); }
