// The process's road from the first instruction to the exit status: initialise
// the framework, register every class and give the formula module its initial
// values, prepare the application, hand the framework the callback that opens
// the default window, run the event loop until the user quits, then release the
// shared menu bar and end with the framework's exit result. An exception of any
// kind that escapes set-up or the event loop is reported, and shut-down still
// runs: the process always ends with that exit result.
#pragma once

#include <fw/Object.h>

#include <cstdint>

std::int32_t ProgramMain();
void InitClassesAndModules();
void SetUpAndRun();
void PrepareApplication();
void DefaultWindowCallback();
void OpenDefaultWindow();
// Runs `function(argument)` for the framework; gives back the RuntimeException it
// raised (one reference) or nil, and raises anything else again.
fw::Object* ExceptionHelper(void* function, void* argument);
void ReleaseGlobalsAtExit();
