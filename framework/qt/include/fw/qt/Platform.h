// The Qt Widgets face of the framework.
//
// The framework's windows, controls, menus and timers keep their own state
// (framework/core) and know nothing of Qt. `InstallQtPlatform` gives them an
// on-screen life: it makes sure a QApplication exists, installs the peer factory
// that pairs every native object with a Qt peer (a window with a top-level
// widget and its menu bar, a control with its widget, a menu entry with a
// QAction, a timer with a QTimer), the decoder that turns picture files into
// images, the event pump behind `Application.DoEvents`, and the desktop's
// hand-off for web addresses. Qt types stay behind this header: the program and
// its tests see only framework types here.
#pragma once

namespace fw {

// Idempotent: a second call finds everything in place and does nothing. The
// application does not quit by itself when its last window closes; ending the
// run is the run loop's decision.
void InstallQtPlatform();

} // namespace fw
