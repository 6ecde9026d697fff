// What the peer reports the user did to a window: each changes the window's state and
// raises the event that says so, only when something changed.
#include <fw/Exceptions.h>
#include <fw/Window.h>

#include <string>

namespace fw {

void Window::userClose() { Close(); }

void Window::userMoved(std::int32_t left, std::int32_t top)
{
    RequireUIThread();
    if (left == left_ && top == top_)
        return;
    left_ = left;
    top_ = top;
    RaiseEvent(*this, WindowEvent::kMoved);
}

void Window::userResized(std::int32_t width, std::int32_t height)
{
    RequireUIThread();
    if (width == width_ && height == height_)
        return;
    width_ = width;
    height_ = height;
    RaiseEvent(*this, WindowEvent::kResized);
}

void Window::userActivated(bool active)
{
    RequireUIThread();
    if (active == active_)
        return;
    active_ = active;
    RaiseEvent(*this, active ? WindowEvent::kActivate : WindowEvent::kDeactivate);
}

void Window::userMovedMouse(std::int32_t x, std::int32_t y)
{
    RequireUIThread();
    mouseAt(x, y);
    if (!hovered_) {
        hovered_ = true;
        RaiseEvent(*this, WindowEvent::kMouseEnter);
    }
    RaiseEvent(*this, WindowEvent::kMouseMove, x, y);
}

void Window::userMouseExited()
{
    RequireUIThread();
    if (!hovered_)
        return;
    hovered_ = false;
    RaiseEvent(*this, WindowEvent::kMouseExit);
}

void Window::userChangedState(std::int32_t state)
{
    if (state < static_cast<std::int32_t>(WindowState::Normal)
        || state > static_cast<std::int32_t>(WindowState::Maximized))
        Raise<RuntimeException>(
            "window state " + std::to_string(state) + " is none of 0 (normal), 1 (minimised), 2 (maximised)");
    changeState(static_cast<WindowState>(state), true);
}

} // namespace fw
