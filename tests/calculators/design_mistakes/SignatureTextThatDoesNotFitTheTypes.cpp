// Must not compile with DESIGN_MISTAKE: the written signature text names a class where the
// C++ types take a number. Without it the types take an object, whose class the text names.
#include "calculators/ClassDeclaration.h"

#include <fw/Window.h>

#ifdef DESIGN_MISTAKE
void SetLink(fw::Window&, std::int32_t) { }
#else
void SetLink(fw::Window&, fw::Object*) { }
#endif
constexpr std::string_view kWritten = "%%o<stStaticURL>";

MethodDeclaration Declare() { return Method<&SetLink, kWritten>("_SetLink"); }
