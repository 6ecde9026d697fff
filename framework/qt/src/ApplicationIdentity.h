// The name and version Qt gives the application (window titles without one of
// their own, the About panel, settings). The version is the registered
// application object's short version; the platform is usually installed before
// that object exists, so the peers name the application again as windows appear.
#pragma once

namespace fw::qt {

void NameApplication();

} // namespace fw::qt
