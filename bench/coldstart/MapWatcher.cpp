#include "MapWatcher.h"

#include <poll.h>
#include <sys/wait.h>

#include <stdexcept>

namespace coldstart {

namespace {

// A window that closes under us makes requests about it fail; that is expected here.
int ignoreXErrors(Display*, XErrorEvent*) { return 0; }

} // namespace

MapWatcher::MapWatcher(const std::string& displayName)
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

MapWatcher::~MapWatcher() { XCloseDisplay(display_); }

void MapWatcher::reset()
{
    XSync(display_, True);
    mapped_.clear();
}

std::optional<Clock::time_point> MapWatcher::waitForTitle(
    std::string_view title, pid_t process, Clock::time_point deadline)
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
        poll(&wait, 1, PollSliceUntil(deadline));
    }
    return std::nullopt;
}

void MapWatcher::waitUntilGone(Clock::time_point deadline)
{
    while (Clock::now() < deadline) {
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == DestroyNotify && event.xdestroywindow.window == found_)
                return;
        }
        pollfd wait { ConnectionNumber(display_), POLLIN, 0 };
        poll(&wait, 1, PollSliceUntil(deadline));
    }
}

std::optional<::Window> MapWatcher::titleShownBy(const XEvent& event, std::string_view title)
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

std::string MapWatcher::titleOf(::Window window)
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

} // namespace coldstart
