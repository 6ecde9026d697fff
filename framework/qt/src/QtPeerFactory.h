// Makes the Qt peer of each kind of native object: windows, the controls that
// have a widget, menu entries (menu bars included) and timers. Other objects get
// none and stay headless.
#pragma once

#include <fw/Peer.h>

namespace fw::qt {

class QtPeerFactory : public PeerFactory {
public:
    std::unique_ptr<Peer> makePeer(Object& object) override;
};

} // namespace fw::qt
