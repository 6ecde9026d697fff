// On-screen peers of the framework's native objects.
//
// A window, control, menu entry or timer keeps its state itself and tells its
// peer, if it has one, what changed; the peer shows it (Qt widgets, in the user
// interface layer) and reports what the user did back to the object. Without an
// installed factory, as in the runtime's own tests, objects have no peers and
// work headless.
#pragma once

#include <cstdint>
#include <memory>

namespace fw {

class Object;

// What changed on a native object.
enum class Aspect : std::uint8_t {
    Geometry, // position, size, size limits, line end points
    Title,
    Text, // text, caption, rows of a popup menu, menu text
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

} // namespace fw
