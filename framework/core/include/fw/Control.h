// The framework's controls: the objects that a window shows and owns.
//
// `Control` is the root of every control and `RectControl` the root of every
// visual one; each concrete class (Label, TextField, PopupMenu, ...) adds its own
// properties and events. A window allocates a control (`Window.__New`), the
// program constructs it (`RectControl.Constructor`) and adds it under its name
// (`Window._AddControl`); from then on the window keeps it, and the control knows
// its window only weakly, so window -> control -> window is no cycle.
//
// A control keeps its state in plain members. A setter that changes what is
// shown tells the control's peer, if it has one, and only when the value really
// changed. Peers are made once the window's construction has finished (or when a
// control joins a window already open): the peer reads the whole state then and
// hears of later changes through `update`. Without an installed peer factory a
// control works headless. Every operation that changes a control refuses a
// thread other than the user-interface thread.
//
// Events are numbered from `Control`'s; `RectControl`'s follow them, then each
// concrete class's own: every class's event table follows its superclass's.
#pragma once

#include <fw/ClassRecord.h>
#include <fw/EventTable.h>
#include <fw/Events.h>
#include <fw/Peer.h>
#include <fw/Thread.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

namespace fw {

class Control;
class Window;

namespace ControlEvent {
inline constexpr auto kTable = EventsOf<Control>(kObjectEvents,
    {
        { "Close", "%%" },
        { "CreatePane", "%%" },
        { "Open", "%%" },
    });
inline constexpr auto kClose = EventNamed<kTable, "Close">();
inline constexpr auto kCreatePane = EventNamed<kTable, "CreatePane">();
inline constexpr auto kOpen = EventNamed<kTable, "Open">();
} // namespace ControlEvent

// Positions in the method table of every control; a subclass's own methods follow them.
namespace ControlSlot {
inline constexpr std::int32_t kClose = 0;
inline constexpr std::int32_t kCount = 1;
} // namespace ControlSlot

// The Index of a control that is not a member of a control array.
inline constexpr std::int32_t kNotInControlArray = std::numeric_limits<std::int32_t>::min();

class Control : public Object {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "Control";

    ~Control() override;

    // Raises the control's Close event and takes it out of its window.
    void Close();

    std::string_view name() const noexcept { return name_; }
    void setName(std::string_view name);
    std::int32_t index() const noexcept { return index_; }
    void setIndex(std::int32_t index);
    // The owning window, borrowed: nil before the control joins one and once it is gone.
    Window* window() const noexcept;
    // A number that tells the control apart from every other object of the run.
    std::int32_t handle() const noexcept { return handle_; }
    // True once the control's Open event has been raised.
    bool opened() const noexcept { return opened_; }

    EventHandlers* eventHandlers() noexcept override { return &handlers_; }
    Peer* peer() const noexcept { return peer_.get(); }
    // Makes the control's peer with the installed factory, unless it has one.
    void attachPeer() { peer_.attach(*this); }

    // The Window property, with a reference for the caller.
    Ref<Window> windowProperty() const;

protected:
    Control() noexcept;

    const PeerLink& peerLink() const noexcept { return peer_; }
    void notify(Aspect aspect) const { peer_.notify(aspect); }
    // Stores a new value and tells the peer; false when the value did not change.
    template <class T, class V> bool change(T& member, const V& value, Aspect aspect)
    {
        return peer_.change(member, value, aspect);
    }
    // Stores a value that no peer shows.
    template <class T, class V> void keep(T& member, const V& value)
    {
        RequireUIThread();
        member = T(value);
    }

private:
    friend class Window;

    WeakRef window_;
    std::string name_;
    std::int32_t index_ = kNotInControlArray;
    std::int32_t handle_ = 0;
    bool opened_ = false;
    EventHandlers handlers_;
    PeerLink peer_;
};

} // namespace fw
