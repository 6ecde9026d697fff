// Watches the top-level windows of an X display as they are created, mapped and
// named, through Xlib on the root window: the moment a window with a given title
// is mapped is when a started program has shown itself.
#pragma once

#include "Deadline.h"

#include <X11/Xlib.h>

#include <sys/types.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace coldstart {

class MapWatcher {
public:
    explicit MapWatcher(const std::string& displayName);
    ~MapWatcher();
    MapWatcher(const MapWatcher&) = delete;
    MapWatcher& operator=(const MapWatcher&) = delete;

    // Forgets what happened before: the next wait sees only later windows.
    void reset();

    // The moment a mapped top-level window shows the title, or nothing when the
    // process exits first or the deadline passes.
    std::optional<Clock::time_point> waitForTitle(std::string_view title, pid_t process, Clock::time_point deadline);

    // Waits until the window found last is gone, so the next start meets a quiet server.
    void waitUntilGone(Clock::time_point deadline);

    bool exited() const { return exited_; }
    int exitStatus() const { return exitStatus_; }

private:
    std::optional<::Window> titleShownBy(const XEvent& event, std::string_view title);
    std::string titleOf(::Window window);

    Display* display_;
    ::Window root_ = 0;
    Atom wmName_ = None;
    Atom netWmName_ = None;
    std::set<::Window> mapped_;
    ::Window found_ = 0;
    bool exited_ = false;
    int exitStatus_ = 0;
};

} // namespace coldstart
