// A picture of a window as it shows now, menu bar included: for tests and for
// looking at a design without a screen.
#pragma once

#include <string_view>

namespace fw {

class Window;

// Renders the window's widget and saves it as a PNG file. False when the window
// has no on-screen peer or the file cannot be written.
bool SaveWindowImage(Window* window, std::string_view pngPath);

} // namespace fw
