#include <fw/ScreenArea.h>
#include <fw/Thread.h>

namespace fw {

void ScreenArea::Invalidate()
{
    RequireUIThread();
    invalidated_ = true;
    ownerPeer().notify(Aspect::Picture);
}

} // namespace fw
