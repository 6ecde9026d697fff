// The desktop services the program uses: colours made from their channels, and
// handing an address to the desktop to open (a web link, in the default browser).
//
// The hand-off goes through a replaceable handler: headless nothing is opened;
// the user-interface layer installs the desktop's own hand-off, and tests install
// a recorder.
#pragma once

#include <fw/Color.h>

#include <cstdint>
#include <functional>
#include <string_view>

namespace fw {

struct String;

// A colour from its channels, 0 to 255 each. `Color` has no transparency: alpha 0 means
// opaque, the only alpha the program passes; any other alpha is dropped as well.
Color RuntimeRGBA(std::int32_t red, std::int32_t green, std::int32_t blue, std::int32_t alpha);

// Hands the text, unchanged, to the installed handler; no result and no failure comes back.
void GlobalShowURL(String* url);

using ShowURLHandler = std::function<void(std::string_view url)>;
// Installs the handler that opens addresses; returns the one it replaces.
ShowURLHandler SetShowURLHandler(ShowURLHandler handler);

} // namespace fw
