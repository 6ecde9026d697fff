// The first 8 bytes are a Double, the rest a mask. Any mask must render
// without fault; the three masks of the refractometer window must show a
// text that reads back within their rounding, and non-finite values must show
// StringStrDouble's text under every mask.
#include <fw/NumberMasks.h>
#include <fw/Numbers.h>

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

struct FixedMask {
    std::string_view mask;
    double scale; // 100 for the percentage mask
    double halfLastPlace; // the largest rounding the mask's decimals allow
};

constexpr FixedMask kWindowMasks[] = {
    { "0.000", 1.0, 0.0005 },
    { "#0.0", 1.0, 0.05 },
    { "#0.0/%", 100.0, 0.05 },
};

// Slack for the decimal read back and for the scaling product, each within
// an ulp or two of the value.
constexpr double kRelativeSlack = 4 * DBL_EPSILON;
constexpr double kRoundingSlack = 1 + 1e-9;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    double value = 0;
    if (size < sizeof value) {
        return 0;
    }
    std::memcpy(&value, data, sizeof value);
    const std::string_view mask(reinterpret_cast<const char*>(data) + sizeof value, size - sizeof value);

    const std::string any = fw::StringFormat(value, mask, 1);
    if (!std::isfinite(value)) {
        if (any != fw::StringStrDouble(value)) {
            std::abort();
        }
    }

    for (const FixedMask& fixed : kWindowMasks) {
        const std::string text = fw::StringFormat(value, fixed.mask, 1);
        if (!std::isfinite(value)) {
            if (text != fw::StringStrDouble(value)) {
                std::abort();
            }
            continue;
        }
        const double scaled = value * fixed.scale;
        if (!std::isfinite(scaled)) {
            continue;
        }
        const double back = fw::runCDbl(text);
        const double allowed = fixed.halfLastPlace * kRoundingSlack + kRelativeSlack * std::fabs(scaled);
        if (!(std::fabs(back - scaled) <= allowed)) {
            std::abort();
        }
    }
    return 0;
}
