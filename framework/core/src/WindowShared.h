// What the files of Window share: the register of open windows, which construction
// and closing keep, and the helpers that more than one of those files calls.
#pragma once

#include <fw/Window.h>

#include <string>

namespace fw::detail {

// The register holds the window from now on, after those constructed before it.
void registerOpenWindow(Ref<Window> window);
// Takes the window out of the register and hands over the register's reference; nil when it was not there.
Ref<Window> unregisterOpenWindow(Window* window);

// The registered name of the object's class, for messages.
std::string classNameOf(const Object* object);

// Gives a control, or a timer that a window holds, its peer.
void attachPeerOf(Object* child);

} // namespace fw::detail
