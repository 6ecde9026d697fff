#include <fw/Numbers.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace fw {

namespace {

constexpr std::string_view kNaNText = "NaN";
constexpr std::string_view kInfinityText = "Infinity";
constexpr std::string_view kNegativeInfinityText = "-Infinity";

// Whole numbers below this magnitude are shown digit for digit; every one of
// them is exactly a Double, so the text reads back as the same number.
constexpr double kPlainWholeLimit = 1e15;
constexpr int kSignificantDigits = 7;

// Any decimal exponent past this puts the number far outside the Doubles;
// saturating there keeps the exponent arithmetic in range for any text.
constexpr std::int64_t kExponentSaturation = 1'000'000'000;

constexpr std::size_t kShortBufferSize = 64;

constexpr bool isDigit(char c) noexcept { return c >= '0' && c <= '9'; }
constexpr bool isBlank(char c) noexcept { return c == ' ' || c == '\t'; }

std::int64_t saturatedAdd(std::int64_t a, std::int64_t b) noexcept
{
    return std::clamp(a + b, -kExponentSaturation, kExponentSaturation);
}

// The word alone on the text but for blanks after it: how a non-finite value's
// text reads back, and no other word that merely begins with it.
bool isOnlyWord(std::string_view text, std::string_view word) noexcept
{
    if (!text.starts_with(word))
        return false;
    text.remove_prefix(word.size());
    return std::all_of(text.begin(), text.end(), isBlank);
}

std::string nonFiniteText(double value)
{
    if (std::isnan(value)) {
        return std::string(kNaNText);
    }
    return std::string(value < 0 ? kNegativeInfinityText : kInfinityText);
}

} // namespace

double runCDbl(std::string_view text) noexcept
{
    const char* at = text.data();
    const char* const end = at + text.size();
    while (at != end && isBlank(*at)) {
        ++at;
    }
    bool negative = false;
    if (at != end && (*at == '+' || *at == '-')) {
        negative = *at == '-';
        ++at;
    }

    // The number's order of magnitude, 10^(order), is where its first non-zero
    // digit stands relative to the point, plus the exponent. It tells overflow
    // from underflow when from_chars reports the value out of range.
    const char* const numberStart = at;
    std::int64_t order = 0;
    bool sawDigit = false;
    bool sawNonZero = false;
    while (at != end && isDigit(*at)) {
        sawDigit = true;
        if (sawNonZero) {
            order = saturatedAdd(order, 1);
        } else if (*at != '0') {
            sawNonZero = true;
        }
        ++at;
    }
    if (at != end && *at == '.') {
        ++at;
        while (at != end && isDigit(*at)) {
            sawDigit = true;
            if (!sawNonZero) {
                order = saturatedAdd(order, -1);
                sawNonZero = *at != '0';
            }
            ++at;
        }
    }
    if (!sawDigit) {
        // What StringStrDouble writes for NaN and the infinities reads back as itself.
        const std::string_view word(numberStart, static_cast<std::size_t>(end - numberStart));
        if (isOnlyWord(word, kInfinityText)) {
            return negative ? -HUGE_VAL : HUGE_VAL;
        }
        if (isOnlyWord(word, kNaNText)) {
            return std::numeric_limits<double>::quiet_NaN();
        }
        return 0.0;
    }
    if (at != end && (*at == 'e' || *at == 'E')) {
        const char* exponentAt = at + 1;
        bool negativeExponent = false;
        if (exponentAt != end && (*exponentAt == '+' || *exponentAt == '-')) {
            negativeExponent = *exponentAt == '-';
            ++exponentAt;
        }
        if (exponentAt != end && isDigit(*exponentAt)) {
            std::int64_t exponent = 0;
            while (exponentAt != end && isDigit(*exponentAt)) {
                exponent = std::min(exponent * 10 + (*exponentAt - '0'), kExponentSaturation);
                ++exponentAt;
            }
            order = saturatedAdd(order, negativeExponent ? -exponent : exponent);
            at = exponentAt;
        }
    }

    double magnitude = 0.0;
    const auto [parsedEnd, error] = std::from_chars(numberStart, at, magnitude, std::chars_format::general);
    assert(parsedEnd == at && "from_chars reads the same grammar as the scan above");
    (void)parsedEnd;
    if (error == std::errc::result_out_of_range) {
        magnitude = order > 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

std::string StringStrDouble(double value)
{
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    std::array<char, kShortBufferSize> buffer {};
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    std::to_chars_result result {};
    if (std::fabs(value) < kPlainWholeLimit && value == std::trunc(value)) {
        // Also turns negative zero into "0".
        result = std::to_chars(first, last, static_cast<std::int64_t>(value));
    } else {
        result = std::to_chars(first, last, value, std::chars_format::general, kSignificantDigits);
    }
    assert(result.ec == std::errc {});
    return std::string(first, result.ptr);
}

double RuntimeFloor(double x) noexcept { return std::floor(x); }

double RuntimeCvtSInt32ToReal64(std::int32_t value) noexcept { return static_cast<double>(value); }

std::int32_t RuntimeStringCompare(std::string_view a, std::string_view b) noexcept
{
    const int order = a.compare(b);
    return (order > 0) - (order < 0);
}

} // namespace fw
