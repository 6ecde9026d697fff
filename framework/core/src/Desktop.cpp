#include <fw/Desktop.h>
#include <fw/String.h>

#include <cassert>
#include <utility>

namespace fw {

namespace {
[[maybe_unused]] constexpr std::int32_t kChannelMaximum = 255; // read only by the assertion

ShowURLHandler& showURLHandler()
{
    static ShowURLHandler handler;
    return handler;
}

std::uint8_t channel(std::int32_t value)
{
    assert(value >= 0 && value <= kChannelMaximum && "a colour channel lies in 0 to 255");
    return static_cast<std::uint8_t>(value);
}
} // namespace

Color RuntimeRGBA(std::int32_t red, std::int32_t green, std::int32_t blue, std::int32_t alpha)
{
    (void)channel(alpha);
    return Color { channel(red), channel(green), channel(blue) };
}

void GlobalShowURL(String* url)
{
    StringRef hold = StringRef::retain(url);
    if (auto& handler = showURLHandler())
        handler(Text(url));
}

ShowURLHandler SetShowURLHandler(ShowURLHandler handler) { return std::exchange(showURLHandler(), std::move(handler)); }

} // namespace fw
