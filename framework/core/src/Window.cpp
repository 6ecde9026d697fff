#include "Handles.h"
#include "NativeClass.h"

#include <fw/Control.h>
#include <fw/Exceptions.h>
#include <fw/FrameworkClasses.h>
#include <fw/Interfaces.h>
#include <fw/MenuItem.h>
#include <fw/RectControl.h>
#include <fw/Timer.h>
#include <fw/Window.h>

#include <algorithm>
#include <string>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kNewWindowSide = 300; // pixels, width and height

// Kept past the end of the run: an open window's peer may belong to a toolkit that is gone by then.
std::vector<Ref<Window>>& openWindows()
{
    static auto& windows = *new std::vector<Ref<Window>>;
    return windows;
}

Ref<Window> unregister(Window* window)
{
    auto& windows = openWindows();
    auto found
        = std::find_if(windows.begin(), windows.end(), [&](const Ref<Window>& open) { return open.get() == window; });
    if (found == windows.end())
        return nullptr;
    Ref<Window> registered = std::move(*found);
    windows.erase(found);
    return registered;
}

std::string classNameOf(const Object* object)
{
    return object->classRecord() ? std::string(object->classRecord()->registeredName) : std::string("Window");
}

// Tells an object that a window holds without being a control (a timer) which window that is.
void tellPaneChild(Object* child, Window* window)
{
    ClassRecord* paneChild = PaneChildInterface();
    const InterfaceEntry* entry = FindInterfaceEntry(child, paneChild);
    if (!entry)
        return;
    for (std::size_t m = 0; m < paneChild->methods.size() && m < static_cast<std::size_t>(entry->methodCount); ++m)
        if (paneChild->methods[m].name == "_SetWindow" && entry->methodTable[m])
            EntryAs<void (*)(Object*, Object*)>(entry->methodTable[m])(child, window);
}

void attachPeerOf(Object* child)
{
    if (auto* control = dynamic_cast<Control*>(child))
        control->attachPeer();
    else if (auto* timer = dynamic_cast<Timer*>(child))
        timer->attachPeer();
}

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
    openWindows().push_back(hold);
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
    Ref<Window> registered = unregister(this); // dropped last, when this routine returns
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
    Ref<Window> registered = unregister(this);
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

RectControl* Window::focus() const noexcept { return static_cast<RectControl*>(focus_.get()); }
Ref<RectControl> Window::focusProperty() const { return Ref<RectControl>::retain(focus()); }

void Window::focusOn(RectControl* control)
{
    RequireUIThread();
    if (control && control->window() != this)
        Raise<RuntimeException>(
            "control \"" + std::string(control->name()) + "\" is not in this window of class " + classNameOf(this));
    if (focus_.get() == control)
        return;
    focus_ = WeakRef(control);
    peer_.notify(Aspect::TabOrder);
}

void Window::ClearFocus() { focusOn(nullptr); }
void Window::FocusNext() { moveFocus(+1); }
void Window::FocusPrevious() { moveFocus(-1); }

void Window::moveFocus(int direction)
{
    RequireUIThread();
    std::vector<RectControl*> order;
    for (auto& entry : controls_)
        if (RuntimeObjectIsa(entry.control.get(), RectControl::Class())) {
            auto* control = native_cast<RectControl>(entry.control.get());
            if (control->tabStop() && control->enabled() && control->visible())
                order.push_back(control);
        }
    if (order.empty())
        return;
    std::stable_sort(order.begin(), order.end(),
        [](const RectControl* a, const RectControl* b) { return a->tabIndex() < b->tabIndex(); });
    auto count = static_cast<std::ptrdiff_t>(order.size());
    auto current = std::find(order.begin(), order.end(), focus()) - order.begin();
    std::ptrdiff_t next = current == count ? (direction > 0 ? 0 : count - 1) : (current + direction + count) % count;
    focusOn(order[static_cast<std::size_t>(next)]);
}

Ref<Object> Window::ControlAt(std::int32_t position) const
{
    RequireUIThread();
    return position < 0 ? nullptr : Ref<Object>::retain(controlObject(static_cast<std::size_t>(position)));
}

Ref<Window> Window::TrueWindow()
{
    RequireUIThread();
    return Ref<Window>::retain(this);
}

Ref<Object> Window::New(ClassRecord* cls)
{
    RequireUIThread();
    if (!cls)
        RaiseNilObjectException();
    if (cls->kind != kKindClass || !cls->construct)
        Raise<RuntimeException>("class " + std::string(cls->registeredName) + " cannot be instantiated for a window");
    auto object = RuntimeNewObject(cls);
    if (auto* control = dynamic_cast<Control*>(object.get()))
        control->window_ = WeakRef(this);
    return object;
}

void Window::AddControl(String* name, Object* control)
{
    RequireUIThread();
    if (!control)
        RaiseNilObjectException();
    auto text = Text(name);
    if (findControl(text))
        Raise<RuntimeException>(
            "a window of class " + classNameOf(this) + " has a control named \"" + std::string(text) + "\" already");
    for (auto& entry : controls_)
        if (entry.control.get() == control)
            Raise<RuntimeException>(
                "the control \"" + entry.name + "\" cannot be added again as \"" + std::string(text) + "\"");
    controls_.push_back({ std::string(text), Ref<Object>::retain(control) });
    if (auto* added = dynamic_cast<Control*>(control)) {
        added->window_ = WeakRef(this);
        if (added->name_.empty())
            added->name_ = text;
    }
    tellPaneChild(control, this);
    if (stage_ == Stage::Open && InstalledPeerFactory())
        attachPeerOf(control);
}

Ref<Object> Window::ControlByName(String* name) const
{
    RequireUIThread();
    return Ref<Object>::retain(findControl(Text(name)));
}

void Window::removeControl(Object* control)
{
    auto found = std::find_if(
        controls_.begin(), controls_.end(), [&](const NamedControl& entry) { return entry.control.get() == control; });
    if (found == controls_.end())
        return;
    Ref<Object> removed = std::move(found->control);
    controls_.erase(found);
    if (focus_.get() == control)
        focus_ = WeakRef();
}

Object* Window::controlObject(std::size_t position) const noexcept
{
    return position < controls_.size() ? controls_[position].control.get() : nullptr;
}

std::string_view Window::controlName(std::size_t position) const noexcept
{
    return position < controls_.size() ? std::string_view(controls_[position].name) : std::string_view {};
}

Object* Window::findControl(std::string_view name) const noexcept
{
    for (auto& entry : controls_)
        if (entry.name == name)
            return entry.control.get();
    return nullptr;
}

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

bool Window::implicitInstance() const
{
    auto& windows = openWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if ((*it)->key() == key())
            return it->get() == this;
    return false;
}

std::string_view Window::key() const noexcept
{
    return classRecord() ? classRecord()->registeredName : std::string_view {};
}

Window* Window::parentWindow() const noexcept { return static_cast<Window*>(parentWindow_.get()); }
Ref<Window> Window::parentWindowProperty() const { return Ref<Window>::retain(parentWindow()); }

void Window::setPlacement(std::int32_t placement) { peer_.change(placement_, placement, Aspect::Geometry); }
void Window::setMinWidth(std::int32_t width) { peer_.change(minWidth_, width, Aspect::Geometry); }
void Window::setMinHeight(std::int32_t height) { peer_.change(minHeight_, height, Aspect::Geometry); }
void Window::setMaxWidth(std::int32_t width) { peer_.change(maxWidth_, width, Aspect::Geometry); }
void Window::setMaxHeight(std::int32_t height) { peer_.change(maxHeight_, height, Aspect::Geometry); }
void Window::setFrame(std::int32_t frame) { peer_.change(frame_, frame, Aspect::Style); }
void Window::setComposite(bool value) { peer_.change(composite_, value, Aspect::Style); }
void Window::setHasBackColor(bool value) { peer_.change(hasBackColor_, value, Aspect::Colors); }
void Window::setBackColor(Color color) { peer_.change(backColor_, color, Aspect::Colors); }
void Window::setTitle(std::string_view title) { peer_.change(title_, title, Aspect::Title); }
void Window::setFullScreen(bool value) { peer_.change(fullScreen_, value, Aspect::Geometry); }
void Window::setMenuBarVisible(bool value) { peer_.change(menuBarVisible_, value, Aspect::MenuBar); }
void Window::setCloseButton(bool value) { peer_.change(closeButton_, value, Aspect::Style); }
void Window::setResizeable(bool value) { peer_.change(resizeable_, value, Aspect::Style); }
void Window::setLiveResize(bool value) { peer_.change(liveResize_, value, Aspect::Style); }
void Window::setMaximizeButton(bool value) { peer_.change(maximizeButton_, value, Aspect::Style); }
void Window::setMinimizeButton(bool value) { peer_.change(minimizeButton_, value, Aspect::Style); }
void Window::setFullScreenButton(bool value) { peer_.change(fullScreenButton_, value, Aspect::Style); }
void Window::setMacProcID(std::int32_t id) { peer_.change(macProcID_, id, Aspect::Style); }

Ref<MenuBar> Window::menuBar() const { return menuBar_; }

void Window::setMenuBar(Ref<MenuBar> bar) { peer_.change(menuBar_, bar, Aspect::MenuBar); }

Ref<Window> RuntimeGetImplicitWindow(String* key)
{
    RequireUIThread();
    auto wanted = Text(key);
    auto& windows = openWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if ((*it)->key() == wanted)
            return *it;
    return nullptr;
}

std::vector<Ref<Window>> OpenWindows()
{
    RequireUIThread();
    return openWindows();
}

ClassRecord* Window::Class()
{
    using W = Window;
    static constexpr NativeMethod methods[] = {
        Routine<&W::Constructor>("Constructor", WindowSlot::kConstructor),
        Routine<&W::Close>("Close", WindowSlot::kClose),
        Routine<&W::Show>("Show", WindowSlot::kShow),
        Routine<&W::ShowModal>("ShowModal", WindowSlot::kShowModal),
        Routine<&W::ShowWithin>("ShowWithin", WindowSlot::kShowWithin),
        Routine<&W::ShowModalWithin>("ShowModalWithin", WindowSlot::kShowModalWithin),
        Routine<&W::Hide>("Hide", WindowSlot::kHide),
        Routine<&W::Maximize>("Maximize", WindowSlot::kMaximize),
        Routine<&W::Minimize>("Minimize", WindowSlot::kMinimize),
        Routine<&W::Restore>("Restore", WindowSlot::kRestore),
        Routine<&W::Refresh>("Refresh", WindowSlot::kRefresh),
        Routine<&W::RefreshRect>("RefreshRect", WindowSlot::kRefreshRect),
        Routine<&W::Invalidate>("Invalidate", WindowSlot::kInvalidate),
        Routine<&W::UpdateNow>("UpdateNow", WindowSlot::kUpdateNow),
        Routine<&W::ClearFocus>("ClearFocus", WindowSlot::kClearFocus),
        Routine<&W::FocusNext>("FocusNext", WindowSlot::kFocusNext),
        Routine<&W::FocusPrevious>("FocusPrevious", WindowSlot::kFocusPrevious),
        Routine<&W::ControlAt>("Control", WindowSlot::kControl),
        Routine<&W::TrueWindow>("TrueWindow", WindowSlot::kTrueWindow),
        Routine<&W::AcceptFileDrop>("AcceptFileDrop", WindowSlot::kAcceptFileDrop),
        Routine<&W::AcceptMacDataDrop>("AcceptMacDataDrop", WindowSlot::kAcceptMacDataDrop),
        Routine<&W::AcceptPictureDrop>("AcceptPictureDrop", WindowSlot::kAcceptPictureDrop),
        Routine<&W::AcceptRawDataDrop>("AcceptRawDataDrop", WindowSlot::kAcceptRawDataDrop),
        Routine<&W::AcceptTextDrop>("AcceptTextDrop", WindowSlot::kAcceptTextDrop),
        Routine<&W::New>("__New", WindowSlot::kNew),
        Routine<&W::AddControl>("_AddControl", WindowSlot::kAddControl),
        Routine<&W::ControlByName>("_ControlByName", WindowSlot::kControlByName),
        Routine<&W::AddMenuHandler>("_AddMenuHandler", WindowSlot::kAddMenuHandler),
        Routine<&W::userMoved>("_Move", WindowSlot::kMove),
        Routine<&W::userResized>("_Resize", WindowSlot::kResize),
        Routine<&W::userClose>("_UserClose", WindowSlot::kUserClose),
        Routine<&W::userActivated>("_SetActive", WindowSlot::kSetActive),
        Routine<&W::userMovedMouse>("_MouseMove", WindowSlot::kMouseMove),
        Routine<&W::userMouseExited>("_MouseExit", WindowSlot::kMouseExit),
        Routine<&W::userChangedState>("_SetState", WindowSlot::kSetState),
    };
    static_assert(SlotsFit(methods, 0, WindowSlot::kCount),
        "a row that names a slot constant sits at that position, and the method table holds WindowSlot::kCount");
    static constexpr NativeProperty properties[] = {
        Property<"Placement", &W::placement, &W::setPlacement>(),
        Property<"Width", &W::width, &W::setWidth>(),
        Property<"Height", &W::height, &W::setHeight>(),
        Property<"MinWidth", &W::minWidth, &W::setMinWidth>(),
        Property<"MinHeight", &W::minHeight, &W::setMinHeight>(),
        Property<"MaxWidth", &W::maxWidth, &W::setMaxWidth>(),
        Property<"MaxHeight", &W::maxHeight, &W::setMaxHeight>(),
        Property<"Frame", &W::frame, &W::setFrame>(),
        Property<"Composite", &W::composite, &W::setComposite>(),
        Property<"HasBackColor", &W::hasBackColor, &W::setHasBackColor>(),
        Property<"BackColor", &W::backColor, &W::setBackColor>(),
        Property<"Title", &W::title, &W::setTitle>(),
        Property<"Visible", &W::visible, &W::setVisible>(),
        Property<"FullScreen", &W::fullScreen, &W::setFullScreen>(),
        Property<"MenuBarVisible", &W::menuBarVisible, &W::setMenuBarVisible>(),
        Property<"CloseButton", &W::closeButton, &W::setCloseButton>(),
        Property<"Resizeable", &W::resizeable, &W::setResizeable>(),
        Property<"LiveResize", &W::liveResize, &W::setLiveResize>(),
        Property<"MaximizeButton", &W::maximizeButton, &W::setMaximizeButton>(),
        Property<"MinimizeButton", &W::minimizeButton, &W::setMinimizeButton>(),
        Property<"FullScreenButton", &W::fullScreenButton, &W::setFullScreenButton>(),
        Property<"MacProcID", &W::macProcID, &W::setMacProcID>(),
        Property<"Left", &W::left, &W::setLeft>(),
        Property<"Top", &W::top, &W::setTop>(),
        Property<"MenuBar", &W::menuBar, &W::setMenuBar>(),
        Property<"ControlCount", &W::controlCountProperty>(),
        Property<"Focus", &W::focusProperty>(),
        Property<"Handle", &W::handle>(),
        Property<"Modal", &W::modal>(),
        Property<"MouseX", &W::mouseX>(),
        Property<"MouseY", &W::mouseY>(),
        Property<"ScaleFactor", &W::scaleFactor>(),
        Property<"Opened", &W::opened>(),
        Property<"Closed", &W::closed>(),
        Property<"Active", &W::active>(),
        Property<"Minimized", &W::minimized>(),
        Property<"Maximized", &W::maximized>(),
        Property<"Right", &W::right>(),
        Property<"Bottom", &W::bottom>(),
        Property<"ImplicitInstance", &W::implicitInstance>(),
        Property<"Key", &W::key>(),
        Property<"Screen", &W::screen>(),
        Property<"ContentWidth", &W::contentWidth>(),
        Property<"ContentHeight", &W::contentHeight>(),
        Property<"Invalidated", &W::invalidated>(),
        Property<"ParentWindow", &W::parentWindowProperty>(),
        Property<"Hovered", &W::hovered>(),
    };
    static ClassRecord* cls = RegisterNativeClass<Window>({ .superclass = &ObjectClass,
        .methods = methods,
        .events = WindowEvent::kTable,
        .properties = properties,
        .instanceSize = kInstanceSize });
    return cls;
}

} // namespace fw
