// A window's life: construction, showing, its size state, closing and teardown.
#include "Handles.h"
#include "WindowShared.h"

#include <fw/Control.h>
#include <fw/Exceptions.h>
#include <fw/MenuItem.h>
#include <fw/Window.h>

#include <string>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kNewWindowSide = 300; // pixels, width and height

// Resets a flag when a scope ends, also by an exception.
struct FlagScope {
    bool& flag;
    explicit FlagScope(bool& f)
        : flag(f)
    {
        flag = true;
    }
    ~FlagScope() { flag = false; }
};
} // namespace

std::string detail::classNameOf(const Object* object)
{
    return object->classRecord() ? std::string(object->classRecord()->registeredName) : std::string("Window");
}

Window::Window() noexcept
    : ScreenArea(kNewWindowSide, kNewWindowSide)
    , handle_(NextHandle())
{
}

Window::~Window() = default;

void Window::Constructor()
{
    RequireUIThread();
    if (stage_ != Stage::New)
        Raise<RuntimeException>("a window of class " + classNameOf(this) + " was constructed already");
    Ref<Window> hold = Ref<Window>::retain(this);
    try {
        RaiseEvent(*this, WindowEvent::kLayout);
        RaiseEvent(*this, WindowEvent::kCreateControls);
    } catch (...) {
        tearDown();
        throw;
    }
    if (stage_ == Stage::Closed)
        return; // closed by its own Layout or CreateControls
    stage_ = Stage::Open;
    registerOpenWindow(hold);
    try {
        attachPeers();
        openControls();
        if (stage_ != Stage::Open)
            return; // a control's Open closed the window
        RaiseEvent(*this, WindowEvent::kOpen);
    } catch (...) {
        // Registered but never shown, a half-opened window would be out of the user's
        // reach, and a later request would show it with part of its Open never run.
        abandon();
        throw;
    }
    if (stage_ == Stage::Open && visible_)
        peer_.perform(Action::Show);
}

void Window::attachPeers()
{
    if (!InstalledPeerFactory())
        return;
    peer_.attach(*this);
    for (auto& entry : controls_)
        attachPeerOf(entry.control.get());
}

void Window::openControls()
{
    std::vector<Ref<Object>> controls;
    for (auto& entry : controls_)
        controls.push_back(entry.control);
    for (auto& object : controls) {
        if (stage_ != Stage::Open)
            return;
        if (auto* control = dynamic_cast<Control*>(object.get())) {
            control->opened_ = true;
            RaiseEvent(*control, ControlEvent::kOpen);
        }
    }
}

void Window::Close()
{
    RequireUIThread();
    if (stage_ == Stage::Closed)
        return;
    Ref<Window> hold = Ref<Window>::retain(this);
    bool wasOpen = stage_ == Stage::Open;
    Ref<Window> registered = unregisterOpenWindow(this); // dropped last, when this routine returns
    stage_ = Stage::Closed;
    peer_.perform(Action::Close);
    // The controls go whatever a Close handler raises.
    struct TearDownAtExit {
        Window& window;
        ~TearDownAtExit() { window.tearDown(); }
    } tearDownAtExit { *this };
    if (!wasOpen)
        return;
    RaiseEvent(*this, WindowEvent::kClose);
    std::vector<Ref<Object>> controls;
    for (auto& entry : controls_)
        controls.push_back(entry.control);
    for (auto& object : controls)
        if (auto* control = dynamic_cast<Control*>(object.get()))
            RaiseEvent(*control, ControlEvent::kClose);
}

void Window::abandon()
{
    if (stage_ == Stage::Closed)
        return; // a handler closed it before it raised
    Ref<Window> registered = unregisterOpenWindow(this);
    stage_ = Stage::Closed;
    peer_.perform(Action::Close);
    tearDown();
}

void Window::tearDown()
{
    stage_ = Stage::Closed;
    focus_ = WeakRef();
    // Releasing a control may run code that reaches this window again: empty the list first.
    auto controls = std::move(controls_);
    controls_.clear();
    for (auto& entry : controls)
        if (auto* control = dynamic_cast<Control*>(entry.control.get()))
            control->window_ = WeakRef();
    controls.clear();
    handlers_.clear();
}

void Window::Show()
{
    RequireUIThread();
    if (stage_ != Stage::Open)
        return;
    Ref<Window> hold = Ref<Window>::retain(this);
    visible_ = true;
    peer_.perform(Action::Show);
}

void Window::ShowModal()
{
    RequireUIThread();
    if (stage_ != Stage::Open)
        return;
    Ref<Window> hold = Ref<Window>::retain(this);
    visible_ = true;
    FlagScope modal(modal_);
    peer_.perform(Action::ShowModal);
}

void Window::ShowWithin(Window* parent)
{
    RequireUIThread();
    parentWindow_ = WeakRef(parent);
    Show();
}

void Window::ShowModalWithin(Window* parent)
{
    RequireUIThread();
    parentWindow_ = WeakRef(parent);
    ShowModal();
}

void Window::Hide() { setVisible(false); }

void Window::changeState(WindowState state, bool byUser)
{
    RequireUIThread();
    if (state_ == state)
        return;
    state_ = state;
    if (!byUser)
        peer_.notify(Aspect::Geometry);
    switch (state) {
    case WindowState::Normal:
        RaiseEvent(*this, WindowEvent::kRestore);
        break;
    case WindowState::Minimized:
        RaiseEvent(*this, WindowEvent::kMinimize);
        break;
    case WindowState::Maximized:
        RaiseEvent(*this, WindowEvent::kMaximize);
        break;
    }
}

void Window::Maximize() { changeState(WindowState::Maximized, false); }
void Window::Minimize() { changeState(WindowState::Minimized, false); }
void Window::Restore() { changeState(WindowState::Normal, false); }

void Window::UpdateNow()
{
    RequireUIThread();
    peer_.notify(Aspect::Picture);
    invalidated_ = false;
}

Ref<Window> Window::TrueWindow()
{
    RequireUIThread();
    return Ref<Window>::retain(this);
}

} // namespace fw
