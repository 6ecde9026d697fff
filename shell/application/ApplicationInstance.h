// The application object, reached as the program's application class.
//
// The class's record storage lives here rather than beside its registration
// (shell/Quillfen.cpp), so that the About box reaches the object without
// depending on the shell that shows it. The application class registers first
// of the program's classes, before any application object exists.
#pragma once

#include <fw/Application.h>

// The application class's record: nil until the class registers, never cleared.
fw::ClassRecord*& ApplicationClassStorage() noexcept;

// The registered application object cast to the application class, with one
// reference for the caller; nil when none is registered.
fw::Ref<fw::Application> ApplicationInstance();
