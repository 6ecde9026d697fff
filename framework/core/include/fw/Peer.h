// On-screen peers of the framework's native objects.
//
// A window, control, menu entry or timer keeps its state itself and tells its
// peer, if it has one, what changed; the peer shows it (Qt widgets, in the user
// interface layer) and reports what the user did back to the object. Without an
// installed factory, as in the runtime's own tests, objects have no peers and
// work headless.
#pragma once

#include <fw/Thread.h>

#include <cstdint>
#include <memory>

namespace fw {

class Object;

// What changed on a native object.
enum class Aspect : std::uint8_t {
    Geometry, // position, size, size limits, line end points
    Title,
    Text, // text, caption, rows of a popup menu, menu text
    HelpTag, // the tip shown while the pointer rests on it
    CueText, // the hint an empty text field shows
    Selection, // popup row, slider value
    Range, // slider range and steps, text length limit
    Visible,
    Enabled,
    Font, // font, size, unit, bold, italic, underline, line spacing
    Colors,
    Style, // alignment, border, read-only, multiline, window buttons and frame, tick style
    Parent, // the enclosing control
    TabOrder,
    Picture,
    MenuBar,
    Menu, // entries appended to a menu
    Shortcut,
    Timer, // mode and period
};

// What a peer is asked to do.
enum class Action : std::uint8_t {
    Show,
    ShowModal, // returns when the window has closed
    Close,
};

class Peer {
public:
    virtual ~Peer() = default;
    virtual void update(Aspect aspect) = 0;
    virtual void perform(Action action) { (void)action; }
};

class PeerFactory {
public:
    virtual ~PeerFactory() = default;
    // A peer for the object, or nullptr for objects that need none.
    virtual std::unique_ptr<Peer> makePeer(Object& object) = 0;
};

void InstallPeerFactory(PeerFactory* factory) noexcept;
PeerFactory* InstalledPeerFactory() noexcept;

// The peer of a window, control, menu entry or timer, and how the object's
// changes reach it: a setter stores the new value with `change`, which tells
// the peer only when the value really changed.
class PeerLink {
public:
    Peer* get() const noexcept { return peer_.get(); }
    explicit operator bool() const noexcept { return peer_ != nullptr; }
    // Makes the object's peer with the installed factory, unless it has one or there is no factory.
    void attach(Object& object);
    void reset() noexcept { peer_.reset(); }

    void notify(Aspect aspect) const
    {
        if (peer_)
            peer_->update(aspect);
    }
    void perform(Action action) const
    {
        if (peer_)
            peer_->perform(action);
    }
    // Stores a new value on the user-interface thread and tells the peer; false when the value did not change.
    template <class T, class V> bool change(T& member, const V& value, Aspect aspect) const
    {
        RequireUIThread();
        if (member == value)
            return false;
        member = T(value);
        notify(aspect);
        return true;
    }

private:
    std::unique_ptr<Peer> peer_;
};

} // namespace fw
