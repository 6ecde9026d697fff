// Reads arbitrary bytes as a number and checks that what StringStrDouble shows
// of it reads back: whole numbers below 1e15 exactly, others to seven digits.
#include <fw/Numbers.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr double kPlainWholeLimit = 1e15;
// Seven significant digits, and a subnormal's nearest Double may double the error.
constexpr double kShownRelativeError = 1e-6;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = fw::runCDbl(text);
    if (std::isnan(value)) {
        std::abort(); // no text reads as NaN
    }
    if (std::isinf(value)) {
        return 0;
    }
    const std::string shown = fw::StringStrDouble(value);
    const double back = fw::runCDbl(shown);
    if (value == std::trunc(value) && std::fabs(value) < kPlainWholeLimit) {
        if (back != value) {
            std::abort();
        }
    } else if (!(std::fabs(back - value) <= kShownRelativeError * std::fabs(value))) {
        std::abort();
    }
    return 0;
}
