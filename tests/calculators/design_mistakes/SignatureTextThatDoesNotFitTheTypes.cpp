// Must not compile: the written signature text names a class where the C++ types take a number.
#include "calculators/ClassDeclaration.h"

#include <fw/Window.h>

void SetIndex(fw::Window&, std::int32_t) { }
constexpr std::string_view kWritten = "%%o<stStaticURL>";

MethodDeclaration Declare() { return Method<&SetIndex, kWritten>("_SetIndex"); }
