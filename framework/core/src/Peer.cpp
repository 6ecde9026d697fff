#include <fw/Peer.h>

namespace fw {

namespace {
PeerFactory* installedFactory = nullptr;
}

void InstallPeerFactory(PeerFactory* factory) noexcept { installedFactory = factory; }
PeerFactory* InstalledPeerFactory() noexcept { return installedFactory; }

} // namespace fw
