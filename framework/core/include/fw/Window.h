// Windows, and the framework's register of the open ones.
//
// A window of the program is an instance of a subclass of `Window`, made with
// RuntimeNewObject and built by `Constructor`, in this order:
//  1. the class's own `Layout` and `CreateControls` events run:
//     the program applies the window's property stream and creates its controls
//     (`__New`, the control's constructor, `_AddControl`);
//  2. the window is registered as open under its class's registered name, and
//     the register keeps it alive until it closes;
//  3. the window gets its peer, then each control its own, in the order added;
//  4. `Open` is raised on every control in that order (all of them exist by
//     now), then on the window;
//  5. a window whose `Visible` is True asks its peer to show it.
// An exception in any step leaves the window closed: registered nowhere, its peer
// closed, its controls released, no Close raised; it passes on to the caller, and
// the next request builds a new window from the start.
//
// The window keeps its controls, in the order added, under the names they were
// added with. `Close` unregisters the window, asks the peer to close it, raises
// `Close` on the window and its controls, releases the controls (a control that
// refers back to the window, such as a timer, breaks its cycle this way) and at
// last drops the register's reference. It may be called from a handler of one of
// the window's own controls: whoever raises an event holds a reference to the
// control and the window stays alive until Close returns.
//
// `RuntimeGetImplicitWindow(key)` gives the open window registered under the key,
// the most recently constructed one when several are. Every operation that
// changes a window, and every lookup, refuses a thread other than the
// user-interface thread (ThreadAccessingUIException).
#pragma once

#include <fw/ClassRecord.h>
#include <fw/Color.h>
#include <fw/DropTarget.h>
#include <fw/EventTable.h>
#include <fw/Events.h>
#include <fw/MenuHandlerList.h>
#include <fw/Peer.h>
#include <fw/ScreenArea.h>
#include <fw/Thread.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class MenuBar;
class RectControl;
class Window;

namespace WindowEvent {
inline constexpr auto kTable = EventsOf<Window>(kObjectEvents,
    {
        { "Activate", "%%" },
        { "AddMenuHandlers", "%%" },
        { "CancelClose", "%b%b" },
        { "Close", "%%" },
        { "ConstructContextualMenu", "%b%o<MenuItem>i4i4" },
        { "ContentsChanged", "%%" },
        { "ContextualMenuAction", "%b%o<MenuItem>" },
        { "CreateControls", "%%" },
        { "Deactivate", "%%" },
        { "DragEnter", "%b%o<DragItem>i4" },
        { "DragExit", "%%o<DragItem>i4" },
        { "DragOver", "%b%i4i4o<DragItem>i4" },
        { "DropObject", "%%o<DragItem>i4" },
        { "EnableMenuItems", "%%" },
        { "KeyDown", "%b%s" },
        { "KeyUp", "%%s" },
        { "Layout", "%%" },
        { "Maximize", "%%" },
        { "Minimize", "%%" },
        { "MouseDown", "%b%i4i4" },
        { "MouseDrag", "%%i4i4" },
        { "MouseEnter", "%%" },
        { "MouseExit", "%%" },
        { "MouseMove", "%%i4i4" },
        { "MouseUp", "%%i4i4" },
        { "MouseWheel", "%b%i4i4i4i4" },
        { "Moved", "%%" },
        { "Open", "%%" },
        { "Paint", "%%o<Graphics>" },
        { "Resized", "%%" },
        { "Resizing", "%%" },
        { "Restore", "%%" },
        { "SetupBindings", "%%" },
    });
inline constexpr auto kActivate = EventNamed<kTable, "Activate">();
inline constexpr auto kAddMenuHandlers = EventNamed<kTable, "AddMenuHandlers">();
inline constexpr auto kCancelClose = EventNamed<kTable, "CancelClose">();
inline constexpr auto kClose = EventNamed<kTable, "Close">();
inline constexpr auto kConstructContextualMenu = EventNamed<kTable, "ConstructContextualMenu">();
inline constexpr auto kContentsChanged = EventNamed<kTable, "ContentsChanged">();
inline constexpr auto kContextualMenuAction = EventNamed<kTable, "ContextualMenuAction">();
inline constexpr auto kCreateControls = EventNamed<kTable, "CreateControls">();
inline constexpr auto kDeactivate = EventNamed<kTable, "Deactivate">();
inline constexpr auto kDragEnter = EventNamed<kTable, "DragEnter">();
inline constexpr auto kDragExit = EventNamed<kTable, "DragExit">();
inline constexpr auto kDragOver = EventNamed<kTable, "DragOver">();
inline constexpr auto kDropObject = EventNamed<kTable, "DropObject">();
inline constexpr auto kEnableMenuItems = EventNamed<kTable, "EnableMenuItems">();
inline constexpr auto kKeyDown = EventNamed<kTable, "KeyDown">();
inline constexpr auto kKeyUp = EventNamed<kTable, "KeyUp">();
inline constexpr auto kLayout = EventNamed<kTable, "Layout">();
inline constexpr auto kMaximize = EventNamed<kTable, "Maximize">();
inline constexpr auto kMinimize = EventNamed<kTable, "Minimize">();
inline constexpr auto kMouseDown = EventNamed<kTable, "MouseDown">();
inline constexpr auto kMouseDrag = EventNamed<kTable, "MouseDrag">();
inline constexpr auto kMouseEnter = EventNamed<kTable, "MouseEnter">();
inline constexpr auto kMouseExit = EventNamed<kTable, "MouseExit">();
inline constexpr auto kMouseMove = EventNamed<kTable, "MouseMove">();
inline constexpr auto kMouseUp = EventNamed<kTable, "MouseUp">();
inline constexpr auto kMouseWheel = EventNamed<kTable, "MouseWheel">();
inline constexpr auto kMoved = EventNamed<kTable, "Moved">();
inline constexpr auto kOpen = EventNamed<kTable, "Open">();
inline constexpr auto kPaint = EventNamed<kTable, "Paint">();
inline constexpr auto kResized = EventNamed<kTable, "Resized">();
inline constexpr auto kResizing = EventNamed<kTable, "Resizing">();
inline constexpr auto kRestore = EventNamed<kTable, "Restore">();
inline constexpr auto kSetupBindings = EventNamed<kTable, "SetupBindings">();
} // namespace WindowEvent

// Positions in the method table of every window class; a subclass's own methods follow them.
// Window's method table names each constant on its method's row, where the compiler checks it.
namespace WindowSlot {
inline constexpr std::int32_t kConstructor = 0;
inline constexpr std::int32_t kClose = 1;
inline constexpr std::int32_t kShow = 2;
inline constexpr std::int32_t kShowModal = 3;
inline constexpr std::int32_t kShowWithin = 4;
inline constexpr std::int32_t kShowModalWithin = 5;
inline constexpr std::int32_t kHide = 6;
inline constexpr std::int32_t kMaximize = 7;
inline constexpr std::int32_t kMinimize = 8;
inline constexpr std::int32_t kRestore = 9;
inline constexpr std::int32_t kRefresh = 10;
inline constexpr std::int32_t kRefreshRect = 11;
inline constexpr std::int32_t kInvalidate = 12;
inline constexpr std::int32_t kUpdateNow = 13;
inline constexpr std::int32_t kClearFocus = 14;
inline constexpr std::int32_t kFocusNext = 15;
inline constexpr std::int32_t kFocusPrevious = 16;
inline constexpr std::int32_t kControl = 17;
inline constexpr std::int32_t kTrueWindow = 18;
inline constexpr std::int32_t kAcceptFileDrop = 19;
inline constexpr std::int32_t kAcceptMacDataDrop = 20;
inline constexpr std::int32_t kAcceptPictureDrop = 21;
inline constexpr std::int32_t kAcceptRawDataDrop = 22;
inline constexpr std::int32_t kAcceptTextDrop = 23;
inline constexpr std::int32_t kNew = 24; // "__New"
inline constexpr std::int32_t kAddControl = 25; // "_AddControl"
inline constexpr std::int32_t kControlByName = 26; // "_ControlByName"
inline constexpr std::int32_t kAddMenuHandler = 27;
inline constexpr std::int32_t kMove = 28;
inline constexpr std::int32_t kResize = 29;
inline constexpr std::int32_t kUserClose = 30;
inline constexpr std::int32_t kSetActive = 31;
inline constexpr std::int32_t kMouseMove = 32;
inline constexpr std::int32_t kMouseExit = 33;
inline constexpr std::int32_t kSetState = 34;
inline constexpr std::int32_t kCount = 35;
} // namespace WindowSlot

enum class WindowState : std::int32_t { Normal = 0, Minimized = 1, Maximized = 2 };

// A window covers an area, accepts dropped data and keeps menu handlers of its own, as controls do.
class Window : public Object, public ScreenArea, public DropTarget, public MenuHandlerList {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "Window";
    // The bytes of a window's instance; a subclass's own fields follow them.
    static constexpr std::int32_t kInstanceSize = 204;

    Window() noexcept;
    ~Window() override;

    void Constructor();
    void Close();
    // Shows the window; a window that is not open does nothing.
    void Show();
    // Shows the window modally: the peer returns once the window has closed (headless at once).
    void ShowModal();
    void ShowWithin(Window* parent);
    void ShowModalWithin(Window* parent);
    void Hide();
    void Maximize();
    void Minimize();
    void Restore();
    void UpdateNow();
    void ClearFocus();
    // Moves the focus along the keyboard order (TabIndex, then the order added) of
    // the visible, enabled controls that take a tab stop.
    void FocusNext();
    void FocusPrevious();
    // The control added at that position, nil outside them.
    Ref<Object> ControlAt(std::int32_t position) const;
    Ref<Window> TrueWindow();
    // "__New": a new, not yet constructed object of the class, for this window.
    Ref<Object> New(ClassRecord* cls);
    // "_AddControl": keeps the control under the name. A name already taken raises RuntimeException.
    void AddControl(String* name, Object* control);
    // "_ControlByName": the control added under the name, nil for a name the window lacks.
    Ref<Object> ControlByName(String* name) const;

    // From the peer: what the user did to the window.
    void userClose();
    void userMoved(std::int32_t left, std::int32_t top);
    void userResized(std::int32_t width, std::int32_t height);
    void userActivated(bool active);
    void userMovedMouse(std::int32_t x, std::int32_t y);
    void userMouseExited();
    void userChangedState(std::int32_t state);

    // For the user-interface layer. "Opened": built and registered as open, not closed yet
    // (a control's "Opened" says its Open event was raised).
    bool opened() const noexcept { return stage_ == Stage::Open; }
    std::size_t controlCount() const noexcept { return controls_.size(); }
    // The control added at that position, borrowed; nil outside them.
    Object* controlObject(std::size_t position) const noexcept;
    std::string_view controlName(std::size_t position) const noexcept;
    Object* findControl(std::string_view name) const noexcept;
    RectControl* focus() const noexcept;
    // Gives the keyboard focus to a control of this window (nil: to none).
    void focusOn(RectControl* control);
    Peer* peer() const noexcept { return peer_.get(); }
    EventHandlers* eventHandlers() noexcept override { return &handlers_; }

    std::int32_t placement() const noexcept { return placement_; }
    void setPlacement(std::int32_t placement);
    std::int32_t minWidth() const noexcept { return minWidth_; }
    void setMinWidth(std::int32_t width);
    std::int32_t minHeight() const noexcept { return minHeight_; }
    void setMinHeight(std::int32_t height);
    std::int32_t maxWidth() const noexcept { return maxWidth_; }
    void setMaxWidth(std::int32_t width);
    std::int32_t maxHeight() const noexcept { return maxHeight_; }
    void setMaxHeight(std::int32_t height);
    std::int32_t frame() const noexcept { return frame_; }
    void setFrame(std::int32_t frame);
    bool composite() const noexcept { return composite_; }
    void setComposite(bool value);
    bool hasBackColor() const noexcept { return hasBackColor_; }
    void setHasBackColor(bool value);
    Color backColor() const noexcept { return backColor_; }
    void setBackColor(Color color);
    std::string_view title() const noexcept { return title_; }
    void setTitle(std::string_view title);
    bool fullScreen() const noexcept { return fullScreen_; }
    void setFullScreen(bool value);
    bool menuBarVisible() const noexcept { return menuBarVisible_; }
    void setMenuBarVisible(bool value);
    bool closeButton() const noexcept { return closeButton_; }
    void setCloseButton(bool value);
    bool resizeable() const noexcept { return resizeable_; }
    void setResizeable(bool value);
    bool liveResize() const noexcept { return liveResize_; }
    void setLiveResize(bool value);
    bool maximizeButton() const noexcept { return maximizeButton_; }
    void setMaximizeButton(bool value);
    bool minimizeButton() const noexcept { return minimizeButton_; }
    void setMinimizeButton(bool value);
    bool fullScreenButton() const noexcept { return fullScreenButton_; }
    void setFullScreenButton(bool value);
    std::int32_t macProcID() const noexcept { return macProcID_; }
    void setMacProcID(std::int32_t id);
    // Nil: the window carries no menu bar of its own.
    Ref<MenuBar> menuBar() const;
    void setMenuBar(Ref<MenuBar> bar);

    std::int32_t controlCountProperty() const noexcept { return static_cast<std::int32_t>(controls_.size()); }
    // A number that tells the window apart from every other object of the run.
    std::int32_t handle() const noexcept { return handle_; }
    bool modal() const noexcept { return modal_; }
    bool closed() const noexcept { return stage_ == Stage::Closed; }
    bool active() const noexcept { return active_; }
    bool minimized() const noexcept { return state_ == WindowState::Minimized; }
    bool maximized() const noexcept { return state_ == WindowState::Maximized; }
    // True while RuntimeGetImplicitWindow gives this window for its class.
    bool implicitInstance() const;
    // The key the window is registered under while open: its class's registered name.
    std::string_view key() const noexcept;
    std::int32_t screen() const noexcept { return 0; }
    std::int32_t contentWidth() const noexcept { return width_; }
    std::int32_t contentHeight() const noexcept { return height_; }
    Window* parentWindow() const noexcept;

    // The Focus and ParentWindow properties, with a reference for the caller.
    Ref<RectControl> focusProperty() const;
    Ref<Window> parentWindowProperty() const;

private:
    enum class Stage : std::uint8_t { New, Open, Closed };
    struct NamedControl {
        std::string name;
        Ref<Object> control;
    };
    friend class Control;
    const PeerLink& ownerPeer() const noexcept override { return peer_; }
    void removeControl(Object* control);
    void tearDown();
    // Undoes a construction that raised after the window was registered as open.
    void abandon();
    void attachPeers();
    void openControls();
    void moveFocus(int direction);
    void changeState(WindowState state, bool byUser);

    // Declared first so that it goes last: the controls, with their peers, go before it.
    PeerLink peer_;
    EventHandlers handlers_;
    std::vector<NamedControl> controls_;
    Ref<MenuBar> menuBar_;
    WeakRef focus_;
    WeakRef parentWindow_;
    std::string title_;
    Color backColor_ { 255, 255, 255 };
    std::int32_t placement_ = 0;
    std::int32_t minWidth_ = 64;
    std::int32_t minHeight_ = 64;
    std::int32_t maxWidth_ = 32000;
    std::int32_t maxHeight_ = 32000;
    std::int32_t frame_ = 0;
    std::int32_t macProcID_ = 0;
    std::int32_t handle_ = 0;
    WindowState state_ = WindowState::Normal;
    Stage stage_ = Stage::New;
    bool composite_ = false;
    bool hasBackColor_ = false;
    bool fullScreen_ = false;
    bool menuBarVisible_ = true;
    bool closeButton_ = true;
    bool resizeable_ = true;
    bool liveResize_ = true;
    bool maximizeButton_ = true;
    bool minimizeButton_ = true;
    bool fullScreenButton_ = false;
    bool modal_ = false;
    bool active_ = false;
};

// The open window registered under the key, with one reference for the caller; nil when none is.
Ref<Window> RuntimeGetImplicitWindow(String* key);

// The open windows, in the order they were constructed.
std::vector<Ref<Window>> OpenWindows();

} // namespace fw
