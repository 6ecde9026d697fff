// The platform's standard About panel, as this build shows it: a small
// non-modal box with the application's icon, name and version, opened when the
// shared application is sent `orderFrontStandardAboutPanel:` (ObjCRuntime.h).
// There is one panel: asking again brings it to the front.
//
// The name and version come from the registered application object (its Name,
// else the Qt application's display name; its ShortVersion), the icon from the
// Qt application's window icon.
#pragma once

namespace fw {

// Shows the panel, or brings the open one to the front with its texts renewed.
void ShowStandardAboutPanel();
// Makes ShowStandardAboutPanel the About panel hook; RuntimeInit calls it. Tests
// replace the hook with SetAboutPanelHook.
void InstallStandardAboutPanel();

} // namespace fw
