// The title a window gives the desktop. Qt names a window whose title is empty
// after the application, for the desktop's task list and title bar; here an
// empty title stays empty for the desktop too. On X11 Qt writes the window's
// _NET_WM_NAME whenever the title is set and whenever the native window is made
// anew (a change of the title-bar buttons makes it anew), so the top-level widget
// calls this after each of those events.
#pragma once

class QWidget;

namespace fw::qt {

// Empties what the desktop reads as the window's title when its title is empty.
void KeepEmptyTitleEmpty(QWidget& window);

} // namespace fw::qt
