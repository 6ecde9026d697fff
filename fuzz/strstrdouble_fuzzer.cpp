// Eight bytes as a Double, shown by StringStrDouble and read back by runCDbl:
// whole numbers below 1e15 show as plain digits and read back exactly, other
// finite values read back to within the seven significant digits shown, and
// NaN and the infinities each have their one text, which reads back as the value.
#include <fw/Numbers.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

constexpr double kPlainWholeLimit = 1e15;
// Seven significant digits are within half a unit of the seventh of the value.
constexpr double kSevenDigitsRelative = 5e-7;
// The slack of computing that bound in Doubles.
constexpr double kBoundSlack = 1 + 1e-12;

[[noreturn]] void fault(const char* what, double value, const std::string& shown, double back)
{
    std::fprintf(stderr, "%s: %a shown as \"%s\" reads back as %a\n", what, value, shown.c_str(), back);
    std::abort();
}

bool plainDigits(std::string_view text)
{
    if (text.starts_with('-'))
        text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The distance to the next Double away from zero: what one rounding of a read may add.
double spacingAt(double value)
{
    const double magnitude = std::fabs(value);
    return std::nextafter(magnitude, std::numeric_limits<double>::infinity()) - magnitude;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    double value = 0;
    if (size < sizeof value)
        return 0;
    std::memcpy(&value, data, sizeof value);

    const std::string shown = fw::StringStrDouble(value);
    const double back = fw::runCDbl(shown);
    if (std::isnan(value)) {
        if (shown != "NaN")
            fault("NaN has one text", value, shown, back);
        if (!std::isnan(back))
            fault("NaN reads back as NaN", value, shown, back);
        return 0;
    }
    if (std::isinf(value)) {
        if (shown != (value > 0 ? "Infinity" : "-Infinity"))
            fault("an infinity has one text", value, shown, back);
        if (back != value)
            fault("an infinity reads back as itself", value, shown, back);
        return 0;
    }
    if (value == std::trunc(value) && std::fabs(value) < kPlainWholeLimit) {
        if (!plainDigits(shown))
            fault("a whole number shows as plain digits", value, shown, back);
        if (value == 0 && shown != "0")
            fault("either zero shows as 0", value, shown, back);
        if (back != value)
            fault("a whole number reads back exactly", value, shown, back);
        return 0;
    }
    // The shown decimal is within seven digits of the value, and the read rounds it
    // to a Double at most one spacing further.
    const double allowed = kSevenDigitsRelative * std::fabs(value) * kBoundSlack + spacingAt(value);
    if (!(std::fabs(back - value) <= allowed))
        fault("the shown digits read back to the value", value, shown, back);
    if (std::signbit(back) != std::signbit(value))
        fault("the sign reads back", value, shown, back);
    return 0;
}
