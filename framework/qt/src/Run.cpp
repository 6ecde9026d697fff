#include <fw/Application.h>
#include <fw/Thread.h>
#include <fw/qt/AboutPanel.h>
#include <fw/qt/Platform.h>
#include <fw/qt/Run.h>

#include "RunStatus.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QObject>
#include <QWindow>

#include <algorithm>
#include <cassert>
#include <exception>
#include <list>
#include <vector>

namespace fw {

namespace {

struct RunState {
    ExceptionHelperEntry exceptionHelper = nullptr;
    void (*defaultWindowCallback)() = nullptr;
    std::list<std::vector<void*>> pluginTables;
    std::int32_t exitStatus = 0;
    bool running = false;
    bool quitRequested = false;
};

RunState& state()
{
    static RunState run;
    return run;
}

// A window the user can still reach: shown, top-level, and not one that belongs to another.
bool isOpenWindow(const QWindow* window)
{
    const auto type = window->type() & Qt::WindowType_Mask;
    return window->isVisible() && !window->transientParent() && (type == Qt::Window || type == Qt::Dialog);
}

bool anyWindowOpen()
{
    const auto windows = QGuiApplication::topLevelWindows();
    return std::any_of(windows.begin(), windows.end(), &isOpenWindow);
}

// Undoes what a run installed, also when the run leaves by an exception.
class RunScope {
public:
    RunScope()
        : previousQuitHook_(SetQuitHook([] { RequestQuit(0); }))
    {
        state().running = true;
        state().quitRequested = false;
    }
    ~RunScope()
    {
        SetQuitHook(std::move(previousQuitHook_));
        state().running = false;
    }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    std::function<void()> previousQuitHook_;
};

// Open first, so that a splash it shows modally comes before the default window.
// False when start-up ended the run.
bool startUp(std::exception_ptr& escaped)
{
    GuardQtCall([] {
        if (auto application = getAppObject())
            application->raiseEvent(ApplicationEvent::kOpen);
    });
    if (state().quitRequested)
        return false;
    if (auto callback = state().defaultWindowCallback) {
        try {
            callback();
        } catch (...) {
            escaped = std::current_exception();
            RequestQuit(kExitStatusAfterEscape);
            return false;
        }
    }
    return !state().quitRequested;
}

void quitWithoutWindows()
{
    if (!anyWindowOpen())
        RequestQuit(0);
}

} // namespace

void RuntimeInit()
{
    InstallQtPlatform();
    InstallStandardAboutPanel();
    state().exitStatus = 0;
}

std::int32_t RuntimeExit() { return state().exitStatus; }

void NoteReportOutsideRun() noexcept
{
    if (!state().running)
        state().exitStatus = kExitStatusAfterEscape;
}

void RuntimeSetExceptionHelper(void* entry) { state().exceptionHelper = reinterpret_cast<ExceptionHelperEntry>(entry); }

ExceptionHelperEntry InstalledExceptionHelper() noexcept { return state().exceptionHelper; }

void RuntimeInitExternalClasses() { }

void* RuntimeAllocatePluginEntrypointsTable(std::int32_t count)
{
    assert(count >= 0 && "a table has no negative size");
    // One entry more than asked, so an empty table is still a table of its own.
    auto& table = state().pluginTables.emplace_back(static_cast<std::size_t>(count) + 1, nullptr);
    return table.data();
}

void RunFrameworkInitialization(void (*defaultWindowCallback)())
{
    state().defaultWindowCallback = defaultWindowCallback;
}

void RequestQuit(std::int32_t status)
{
    if (!state().running)
        return;
    state().quitRequested = true;
    QCoreApplication::exit(status);
}

void RuntimeRun()
{
    RequireUIThread();
    assert(qGuiApp && "RuntimeInit makes the Qt application before the run");
    assert(!state().running && "runs do not nest");

    RunScope scope;
    std::exception_ptr escaped;
    bool startedUp = false;
    // Whatever the loop still holds for this run goes with it.
    QObject runContext;

    QObject::connect(qGuiApp, &QGuiApplication::lastWindowClosed, &runContext, [&startedUp] {
        if (startedUp)
            RequestQuit(0);
    });
    QMetaObject::invokeMethod(
        &runContext,
        [&] {
            startedUp = startUp(escaped);
            if (startedUp)
                // Windows that start-up showed by a posted event are open by the time this runs.
                QMetaObject::invokeMethod(&runContext, &quitWithoutWindows, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);

    try {
        state().exitStatus = QCoreApplication::exec();
    } catch (...) {
        // Qt lets out, after a warning, what a callback nobody guarded raised: the run is over.
        state().exitStatus = kExitStatusAfterEscape;
        throw;
    }
    if (escaped)
        std::rethrow_exception(escaped);
}

} // namespace fw
