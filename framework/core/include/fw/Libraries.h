// The libraries whose functions the program finds by name, as a stand-in of the
// platform's loader: a registry of libraries, each a table of entry points.
// "Cocoa" offers "NSClassFromString" (ObjCRuntime.h) from the start; tests
// withdraw or replace entries to take the road where a function is missing.
//
// The registry is shared by all threads.
#pragma once

#include <fw/String.h>

#include <string_view>

namespace fw {

// The entry point of a library's function, nil when the library or the function is unknown.
void* LoadFunctionPointerFromLibrary(String* function, String* library);
// Offers (or, with nil, withdraws) a function of a library; returns the entry it replaces.
void* SetLibraryFunction(std::string_view library, std::string_view function, void* entry);

[[noreturn]] void RuntimeRaiseFunctionNotFoundException(String* function, String* library);

} // namespace fw
