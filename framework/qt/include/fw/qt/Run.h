// The run of the program, from the framework's side: start-up, the event loop,
// shut-down, and the road of every exception that nobody caught.
//
// A process calls, in this order: `RuntimeInit` (the Qt application exists and
// classes may register), the program's registrations, `RuntimeSetExceptionHelper`,
// `RuntimeInitExternalClasses`, `RuntimeAllocatePluginEntrypointsTable`, the
// program's application object, `RunFrameworkInitialization` with the callback
// that opens the default window, `RuntimeRun`, and at last `RuntimeExit`, whose
// result is the exit status.
//
// `RuntimeRun` runs Qt's event loop on the main thread. Once the loop runs it
// raises the application's `Open` event (so a splash that Open shows modally
// comes first) and then calls the default-window callback. From then on the
// loop ends when the application quits (the quit hook, File > Quit) or when the
// last open window closes, since on Linux no menu stays reachable without one.
//
// Every place where Qt calls into a framework object goes through `GuardQtCall`,
// the Qt boundary's exception guard: an exception never unwinds through Qt's
// event loop; it is reported with `RuntimeUnhandledException` and the program
// goes on with its windows intact.
#pragma once

#include <fw/Exceptions.h>

#include <cstdint>
#include <functional>
#include <utility>

namespace fw {

// The program's exception helper: runs a function with its argument and gives the
// RuntimeException it raised (one reference) or nil.
using ExceptionHelperEntry = Object* (*)(void* function, void* argument);

// The exit status of a run that an escaping exception ended.
inline constexpr std::int32_t kExitStatusAfterEscape = 1;

// Makes the Qt application and installs the platform; a second call does nothing more.
void RuntimeInit();
// The exit status: 0 after a normal quit, else the code given to the quit that ended the last run;
// kExitStatusAfterEscape once an exception was reported while no run was going on (it escaped
// set-up or the loop).
std::int32_t RuntimeExit();

void RuntimeSetExceptionHelper(void* entry);
ExceptionHelperEntry InstalledExceptionHelper() noexcept;

// Registers the classes of plug-ins; this build has none.
void RuntimeInitExternalClasses();
// A zero-filled table of that many entry points, owned by the framework for the rest of the process.
void* RuntimeAllocatePluginEntrypointsTable(std::int32_t count);

// The framework keeps the callback and calls it from RuntimeRun to open the default window.
void RunFrameworkInitialization(void (*defaultWindowCallback)());

// Returns when the application has quit. An exception from `Open` is reported and
// the run goes on; one from the default-window callback ends the loop and leaves
// RuntimeRun once the loop has returned, as does one that Qt lets out of a callback
// that nobody guarded; either way the exit status is kExitStatusAfterEscape.
// Raises ThreadAccessingUIException off the main thread.
void RuntimeRun();
// Ends the running loop, nested loops included, with that exit status; nothing outside a run.
void RequestQuit(std::int32_t status);

// Reports the exception: one line on standard error, "Unhandled <ClassName>: <message>",
// then the installed reporter. Outside a run it also sets the exit status to
// kExitStatusAfterEscape. Never raises.
void RuntimeUnhandledException(RuntimeException* exception) noexcept;

// The reporter shows the exception to the user: by default in a modal message box,
// when a Qt application with a screen exists and this is the main thread. Returns the
// one it replaces; tests install a recorder.
using UnhandledExceptionReporter = std::function<void(RuntimeException* exception)>;
UnhandledExceptionReporter SetUnhandledExceptionReporter(UnhandledExceptionReporter reporter);

// Reports the exception that the calling catch block handles (call it only there):
// a framework exception as it is; any other (from Qt, the standard library, memory
// running out) as a new RuntimeException carrying its what() text, or "an exception
// of unknown type" when it is no std::exception. When memory is too short even for
// that exception, its line alone goes to standard error; outside a run the exit
// status is kExitStatusAfterEscape all the same. Never raises.
void ReportCaughtException() noexcept;

// Makes a call from Qt into the framework (a user's edit, click or close, a timer's tick):
// runs it and reports any exception it raises; true when it ran through.
template <class F> bool GuardQtCall(F&& function) noexcept
{
    try {
        std::forward<F>(function)();
        return true;
    } catch (...) {
        ReportCaughtException();
    }
    return false;
}

} // namespace fw
