// Cold start of the real program under a virtual X server, side by side with a
// bare Qt Widgets program that opens one empty window (bare_qt_window).
//
// The benchmark starts its own Xvfb for the whole run (the server picks a free
// display number and reports it through -displayfd), so it needs no display and
// ignores DISPLAY. Each iteration starts the bare program and then quillfen,
// each as a fresh process on that display, and times it from the spawn to the
// MapNotify of a top-level window with the awaited title, watched through Xlib
// on the root window; then kills the process and reaps it. One untimed start of
// each comes first, so that both find the file and font caches warm.
//
// The iteration time is quillfen's; the counters give both means, both minima
// and the ratio of the means. quillfen's time includes its one-second About
// splash by design, and so does the ratio.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kProgramTitle = "BRIX Tool";
constexpr std::string_view kBareTitle = "Bare Qt Window"; // what BareQtWindow.cpp shows
constexpr const char* kScreen = "1280x1024x24";
constexpr auto kServerStartLimit = std::chrono::seconds(10);
constexpr auto kWindowLimit = std::chrono::seconds(20);
constexpr auto kTeardownLimit = std::chrono::seconds(2);
// How often a wait looks whether the started process has died.
constexpr int kPollSliceMs = 50;

int millisecondsUntil(Clock::time_point deadline)
{
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, kPollSliceMs));
}

// Spawns the program with that environment; standard output and error go to /dev/null.
pid_t spawn(
    const std::vector<const char*>& argv, char* const* envp, bool searchPath, const std::vector<int>& closeInChild = {})
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    for (int fd : closeInChild)
        posix_spawn_file_actions_addclose(&actions, fd);
    pid_t pid = 0;
    auto* args = const_cast<char* const*>(argv.data());
    int failed = searchPath ? posix_spawnp(&pid, argv[0], &actions, nullptr, args, envp)
                            : posix_spawn(&pid, argv[0], &actions, nullptr, args, envp);
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        throw std::runtime_error(std::string("cannot start ") + argv[0] + ": " + std::strerror(failed));
    return pid;
}

void killAndReap(pid_t pid)
{
    kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
}

// One Xvfb, from construction to destruction.
class VirtualDisplay {
public:
    VirtualDisplay()
    {
        int fds[2];
        if (pipe(fds) != 0)
            throw std::runtime_error("cannot make a pipe for Xvfb's display number");
        fcntl(fds[0], F_SETFD, FD_CLOEXEC);
        std::string writeEnd = std::to_string(fds[1]);
        server_
            = spawn({ "Xvfb", "-displayfd", writeEnd.c_str(), "-screen", "0", kScreen, "-nolisten", "tcp", nullptr },
                environ, true, { fds[0] });
        close(fds[1]);

        std::string number;
        auto deadline = Clock::now() + kServerStartLimit;
        for (char c = 0; c != '\n' && Clock::now() < deadline;) {
            pollfd wait { fds[0], POLLIN, 0 };
            if (poll(&wait, 1, kPollSliceMs) <= 0)
                continue;
            if (read(fds[0], &c, 1) != 1)
                break;
            if (c != '\n')
                number += c;
        }
        close(fds[0]);
        if (number.empty()) {
            killAndReap(server_);
            throw std::runtime_error("Xvfb did not report a display number (is the xvfb package installed?)");
        }
        name_ = ":" + number;
    }
    ~VirtualDisplay()
    {
        kill(server_, SIGTERM);
        int status = 0;
        waitpid(server_, &status, 0);
    }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    const std::string& name() const { return name_; }

private:
    pid_t server_ = -1;
    std::string name_;
};

// A window that closes under us makes requests about it fail; that is expected here.
int ignoreXErrors(Display*, XErrorEvent*) { return 0; }

// Watches the top-level windows of the display as they are created, mapped and named.
class MapWatcher {
public:
    explicit MapWatcher(const std::string& displayName)
        : display_(XOpenDisplay(displayName.c_str()))
    {
        if (!display_)
            throw std::runtime_error("cannot connect to the virtual display " + displayName);
        XSetErrorHandler(&ignoreXErrors);
        root_ = DefaultRootWindow(display_);
        wmName_ = XInternAtom(display_, "WM_NAME", False);
        netWmName_ = XInternAtom(display_, "_NET_WM_NAME", False);
        XSelectInput(display_, root_, SubstructureNotifyMask);
        XSync(display_, False);
    }
    ~MapWatcher() { XCloseDisplay(display_); }
    MapWatcher(const MapWatcher&) = delete;
    MapWatcher& operator=(const MapWatcher&) = delete;

    // Forgets what happened before: the next wait sees only later windows.
    void reset()
    {
        XSync(display_, True);
        mapped_.clear();
    }

    // The moment a mapped top-level window shows the title, or nothing when the
    // process exits first or the deadline passes.
    std::optional<Clock::time_point> waitForTitle(std::string_view title, pid_t process, Clock::time_point deadline)
    {
        while (Clock::now() < deadline) {
            while (XPending(display_)) {
                XEvent event;
                XNextEvent(display_, &event);
                if (auto shown = titleShownBy(event, title)) {
                    found_ = *shown;
                    return Clock::now();
                }
            }
            if (waitpid(process, &exitStatus_, WNOHANG) == process) {
                exited_ = true;
                return std::nullopt;
            }
            pollfd wait { ConnectionNumber(display_), POLLIN, 0 };
            poll(&wait, 1, millisecondsUntil(deadline));
        }
        return std::nullopt;
    }

    // Waits until the window found last is gone, so the next start meets a quiet server.
    void waitUntilGone(Clock::time_point deadline)
    {
        while (Clock::now() < deadline) {
            while (XPending(display_)) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type == DestroyNotify && event.xdestroywindow.window == found_)
                    return;
            }
            pollfd wait { ConnectionNumber(display_), POLLIN, 0 };
            poll(&wait, 1, millisecondsUntil(deadline));
        }
    }

    bool exited() const { return exited_; }
    int exitStatus() const { return exitStatus_; }

private:
    std::optional<::Window> titleShownBy(const XEvent& event, std::string_view title)
    {
        switch (event.type) {
        case CreateNotify:
            // Its title may come after it is mapped.
            XSelectInput(display_, event.xcreatewindow.window, PropertyChangeMask);
            break;
        case MapNotify:
            if (event.xmap.event == root_) {
                mapped_.insert(event.xmap.window);
                if (titleOf(event.xmap.window) == title)
                    return event.xmap.window;
            }
            break;
        case UnmapNotify:
            mapped_.erase(event.xunmap.window);
            break;
        case DestroyNotify:
            mapped_.erase(event.xdestroywindow.window);
            break;
        case PropertyNotify:
            if ((event.xproperty.atom == wmName_ || event.xproperty.atom == netWmName_)
                && mapped_.contains(event.xproperty.window) && titleOf(event.xproperty.window) == title)
                return event.xproperty.window;
            break;
        default:
            break;
        }
        return std::nullopt;
    }

    std::string titleOf(::Window window)
    {
        for (Atom property : { netWmName_, wmName_ }) {
            Atom type = None;
            int format = 0;
            unsigned long count = 0;
            unsigned long after = 0;
            unsigned char* data = nullptr;
            if (XGetWindowProperty(
                    display_, window, property, 0, 1024, False, AnyPropertyType, &type, &format, &count, &after, &data)
                    == Success
                && data) {
                std::string text(reinterpret_cast<const char*>(data), format == 8 ? count : 0);
                XFree(data);
                if (!text.empty())
                    return text;
            }
        }
        return {};
    }

    Display* display_;
    ::Window root_ = 0;
    Atom wmName_ = None;
    Atom netWmName_ = None;
    std::set<::Window> mapped_;
    ::Window found_ = 0;
    bool exited_ = false;
    int exitStatus_ = 0;
};

// The environment of a started program: ours, on the virtual display, on Qt's X platform.
class ProgramEnvironment {
public:
    explicit ProgramEnvironment(const std::string& displayName)
    {
        for (char** entry = environ; *entry; ++entry) {
            std::string_view variable(*entry);
            if (!variable.starts_with("DISPLAY=") && !variable.starts_with("QT_QPA_PLATFORM="))
                texts_.emplace_back(variable);
        }
        texts_.push_back("DISPLAY=" + displayName);
        texts_.push_back("QT_QPA_PLATFORM=xcb");
        for (auto& text : texts_)
            pointers_.push_back(text.data());
        pointers_.push_back(nullptr);
    }
    char* const* get() const { return const_cast<char* const*>(pointers_.data()); }

private:
    std::vector<std::string> texts_;
    std::vector<const char*> pointers_;
};

struct Program {
    const char* path;
    std::string_view title;
};

// Seconds from the spawn to the window, or nothing with the reason in `failure`.
std::optional<double> timeStart(
    const Program& program, MapWatcher& watcher, const ProgramEnvironment& environment, std::string& failure)
{
    watcher.reset();
    Clock::time_point started = Clock::now();
    pid_t pid = spawn({ program.path, nullptr }, environment.get(), false);
    std::optional<Clock::time_point> shown = watcher.waitForTitle(program.title, pid, started + kWindowLimit);
    if (!shown) {
        if (watcher.exited())
            failure = std::string(program.path) + " exited (wait status " + std::to_string(watcher.exitStatus())
                + ") before a window \"" + std::string(program.title) + "\" was mapped";
        else
            failure = std::string(program.path) + ": no window \"" + std::string(program.title) + "\" within "
                + std::to_string(kWindowLimit.count()) + " s";
        if (!watcher.exited())
            killAndReap(pid);
        return std::nullopt;
    }
    killAndReap(pid);
    watcher.waitUntilGone(Clock::now() + kTeardownLimit);
    return std::chrono::duration<double>(*shown - started).count();
}

void BM_ColdStart(benchmark::State& state, const VirtualDisplay& display)
{
    const Program quillfen { QUILLFEN_PROGRAM, kProgramTitle };
    const Program bare { BARE_QT_WINDOW_PROGRAM, kBareTitle };
    for (const Program* program : { &quillfen, &bare }) {
        if (access(program->path, X_OK) != 0) {
            state.SkipWithError((std::string(program->path) + " is not built").c_str());
            return;
        }
    }
    MapWatcher watcher(display.name());
    ProgramEnvironment environment(display.name());
    std::string failure;

    for (const Program* program : { &bare, &quillfen }) {
        if (!timeStart(*program, watcher, environment, failure)) {
            state.SkipWithError(failure.c_str());
            return;
        }
    }

    double bareTotal = 0;
    double programTotal = 0;
    double bareMin = std::numeric_limits<double>::infinity();
    double programMin = std::numeric_limits<double>::infinity();
    for (auto _ : state) {
        std::optional<double> bareTime = timeStart(bare, watcher, environment, failure);
        std::optional<double> programTime
            = bareTime ? timeStart(quillfen, watcher, environment, failure) : std::nullopt;
        if (!programTime) {
            state.SkipWithError(failure.c_str());
            break;
        }
        state.SetIterationTime(*programTime);
        bareTotal += *bareTime;
        programTotal += *programTime;
        bareMin = std::min(bareMin, *bareTime);
        programMin = std::min(programMin, *programTime);
    }
    if (state.iterations() == 0 || bareTotal == 0)
        return;

    constexpr double kMsPerSecond = 1000.0;
    const auto runs = static_cast<double>(state.iterations());
    state.counters["bare_ms"] = bareTotal / runs * kMsPerSecond;
    state.counters["quillfen_ms"] = programTotal / runs * kMsPerSecond;
    state.counters["bare_min_ms"] = bareMin * kMsPerSecond;
    state.counters["quillfen_min_ms"] = programMin * kMsPerSecond;
    state.counters["ratio"] = programTotal / bareTotal;
    state.SetLabel("quillfen's time and the ratio include its 1 s splash");
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return EXIT_FAILURE;
    try {
        VirtualDisplay display;
        // Each start takes over a second: a handful of iterations, each starting both programs.
        constexpr int kIterations = 5;
        benchmark::RegisterBenchmark("BM_ColdStart/quillfen_vs_bare_qt_window",
            [&display](benchmark::State& state) { BM_ColdStart(state, display); })
            ->UseManualTime()
            ->Iterations(kIterations)
            ->Unit(benchmark::kMillisecond);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "coldstart_bench: %s\n", failure.what());
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
