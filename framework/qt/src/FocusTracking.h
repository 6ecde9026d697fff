// Keeps a window's Focus in step with the keyboard focus the user moves (by
// clicking or by Tab); the other direction, a program's SetFocus, is the
// window peer's.
#pragma once

class QApplication;

namespace fw::qt {

void TrackFocus(QApplication& application);

} // namespace fw::qt
