#include <fw/Peer.h>

namespace fw {

namespace {
PeerFactory* installedFactory = nullptr;
}

void InstallPeerFactory(PeerFactory* factory) noexcept { installedFactory = factory; }
PeerFactory* InstalledPeerFactory() noexcept { return installedFactory; }

void PeerLink::attach(Object& object)
{
    if (!peer_ && installedFactory)
        peer_ = installedFactory->makePeer(object);
}

} // namespace fw
