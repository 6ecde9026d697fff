// Reads arbitrary bytes as a number and checks that what StringStrDouble shows
// of it reads back: whole numbers below 1e15 exactly, NaN and the infinities as
// themselves, others to seven digits. Only the words StringStrDouble writes for
// the non-finite values, alone but for blanks and a sign, read as one without
// digits: any other text with no digit reads as 0.
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

constexpr bool isBlank(char c) noexcept { return c == ' ' || c == '\t'; }

// The text without its leading and trailing blanks and, after the leading ones, one sign.
std::string_view unsignedCore(std::string_view text, bool& negative)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    negative = text.starts_with('-');
    if (text.starts_with('-') || text.starts_with('+'))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool hasDigit(std::string_view text) { return text.find_first_of("0123456789") != std::string_view::npos; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = fw::runCDbl(text);
    bool negative = false;
    const std::string_view core = unsignedCore(text, negative);
    if (std::isnan(value) != (core == "NaN")) {
        std::abort(); // the NaN text and nothing else reads as NaN
    }
    if (!hasDigit(text)) {
        const double expected = core == "Infinity" ? (negative ? -HUGE_VAL : HUGE_VAL) : 0.0;
        if (!std::isnan(value) && value != expected) {
            std::abort(); // no other word reads as a number
        }
    }
    const std::string shown = fw::StringStrDouble(value);
    const double back = fw::runCDbl(shown);
    if (std::isnan(value)) {
        if (!std::isnan(back)) {
            std::abort();
        }
    } else if (std::isinf(value)) {
        if (back != value) {
            std::abort();
        }
    } else if (value == std::trunc(value) && std::fabs(value) < kPlainWholeLimit) {
        if (back != value) {
            std::abort();
        }
    } else if (!(std::fabs(back - value) <= kShownRelativeError * std::fabs(value))) {
        std::abort();
    }
    return 0;
}
