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

// A Double's exact decimal expansion ends within 1074 places after the point
// (the smallest subnormal is 2^-1074) and spans at most 309 digits before it.
constexpr int kMaxExactDecimals = 1074;
constexpr std::size_t kMaxIntegerDigits = 309;
constexpr std::size_t kFixedBufferSize = kMaxIntegerDigits + 1 + kMaxExactDecimals + 16;
constexpr std::size_t kShortBufferSize = 64;

constexpr int kPercentShift = 2; // a percentage moves the decimal point two places

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

// --- masks ---

struct MaskItem {
    enum class Kind { Literal, Required, Optional, Point };
    Kind kind;
    char character;
};

MaskItem readMaskItem(std::string_view mask, std::size_t& at) noexcept
{
    const char c = mask[at++];
    if ((c == '/' || c == '\\') && at < mask.size()) {
        return { MaskItem::Kind::Literal, mask[at++] };
    }
    switch (c) {
    case '0':
        return { MaskItem::Kind::Required, c };
    case '#':
        return { MaskItem::Kind::Optional, c };
    case '.':
        return { MaskItem::Kind::Point, c };
    default:
        return { MaskItem::Kind::Literal, c };
    }
}

struct MaskLayout {
    std::size_t integerPlaceholders = 0;
    std::size_t integerRequired = 0; // from the leftmost integer '0' to the point
    std::size_t fractionPlaceholders = 0;
    std::size_t fractionRequired = 0; // up to the rightmost fraction '0'
    bool hasPoint = false;
    bool percent = false;
};

MaskLayout readMaskLayout(std::string_view mask) noexcept
{
    MaskLayout layout;
    bool sawRequired = false;
    std::size_t firstRequired = 0;
    for (std::size_t at = 0; at < mask.size();) {
        const MaskItem item = readMaskItem(mask, at);
        switch (item.kind) {
        case MaskItem::Kind::Required:
        case MaskItem::Kind::Optional:
            if (layout.hasPoint) {
                ++layout.fractionPlaceholders;
                if (item.kind == MaskItem::Kind::Required) {
                    layout.fractionRequired = layout.fractionPlaceholders;
                }
            } else {
                if (item.kind == MaskItem::Kind::Required && !sawRequired) {
                    sawRequired = true;
                    firstRequired = layout.integerPlaceholders;
                }
                ++layout.integerPlaceholders;
            }
            break;
        case MaskItem::Kind::Point:
            layout.hasPoint = true; // a later point reads as a literal
            break;
        case MaskItem::Kind::Literal:
            layout.percent = layout.percent || item.character == '%';
            break;
        }
    }
    if (sawRequired) {
        layout.integerRequired = layout.integerPlaceholders - firstRequired;
    }
    return layout;
}

struct Digits {
    std::string integer; // no leading zeros beyond those the mask requires
    std::string fraction; // trailing zeros dropped down to the required ones
};

// The decimal digits of |value| (times 100 for a percentage), correctly
// rounded at the mask's number of decimals. Scaling by moving the point keeps
// the rounding exact: no product is rounded on the way.
Digits roundedDigits(double value, const MaskLayout& layout)
{
    const std::size_t shift = layout.percent ? kPercentShift : 0;
    const std::size_t decimals = layout.fractionPlaceholders + shift;
    const int exactDecimals = static_cast<int>(std::min<std::size_t>(decimals, kMaxExactDecimals));

    std::array<char, kFixedBufferSize> buffer; // to_chars writes what is read
    const auto [end, error] = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), std::fabs(value), std::chars_format::fixed, exactDecimals);
    assert(error == std::errc {} && "the buffer holds every fixed rendering of a Double");
    (void)error;

    const std::string_view fixed(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t point = std::min(fixed.find('.'), fixed.size());
    std::string all(fixed.substr(0, point));
    const std::size_t integerLength = all.size() + shift;
    if (point < fixed.size()) {
        all.append(fixed.substr(point + 1));
    }
    all.resize(integerLength + layout.fractionPlaceholders, '0'); // exact digits end in zeros

    Digits digits;
    const std::size_t firstSignificant = std::min(all.find_first_not_of('0'), integerLength);
    digits.integer = all.substr(firstSignificant, integerLength - firstSignificant);
    if (digits.integer.size() < layout.integerRequired) {
        digits.integer.insert(0, layout.integerRequired - digits.integer.size(), '0');
    }
    digits.fraction = all.substr(integerLength);
    const std::size_t lastKept = digits.fraction.find_last_not_of('0');
    const std::size_t kept = lastKept == std::string::npos ? 0 : lastKept + 1;
    digits.fraction.resize(std::max(kept, layout.fractionRequired));
    return digits;
}

bool anyNonZero(std::string_view text) noexcept { return text.find_first_not_of('0') != std::string_view::npos; }

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

std::string StringFormat(double value, std::string_view mask, [[maybe_unused]] std::int32_t flag)
{
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    if (mask.empty()) {
        return StringStrDouble(value);
    }

    const MaskLayout layout = readMaskLayout(mask);
    Digits digits = roundedDigits(value, layout);
    if (layout.integerPlaceholders == 0 && !layout.hasPoint) {
        digits.integer.clear(); // a mask of literals alone shows no number
    }

    std::string out;
    out.reserve(mask.size() + digits.integer.size() + digits.fraction.size() + 1);
    if (std::signbit(value) && (anyNonZero(digits.integer) || anyNonZero(digits.fraction))) {
        out.push_back('-');
    }

    // Integer digits stand right-aligned under the integer placeholders; the
    // first placeholder also takes the digits that the mask has no room for.
    const std::size_t surplus
        = digits.integer.size() > layout.integerPlaceholders ? digits.integer.size() - layout.integerPlaceholders : 0;
    const std::size_t missing
        = layout.integerPlaceholders > digits.integer.size() ? layout.integerPlaceholders - digits.integer.size() : 0;
    std::size_t integerIndex = 0;
    std::size_t fractionIndex = 0;
    bool inFraction = false;
    bool shownDigit = false;
    for (std::size_t at = 0; at < mask.size();) {
        const MaskItem item = readMaskItem(mask, at);
        switch (item.kind) {
        case MaskItem::Kind::Required:
        case MaskItem::Kind::Optional:
            if (inFraction) {
                if (fractionIndex < digits.fraction.size()) {
                    out.push_back(digits.fraction[fractionIndex]);
                }
                ++fractionIndex;
            } else {
                if (integerIndex == 0) {
                    out.append(digits.integer, 0, surplus);
                    shownDigit = shownDigit || surplus > 0;
                }
                if (integerIndex >= missing) {
                    out.push_back(digits.integer[surplus + integerIndex - missing]);
                    shownDigit = true;
                }
                ++integerIndex;
            }
            break;
        case MaskItem::Kind::Point:
            if (inFraction) {
                out.push_back('.');
                break;
            }
            inFraction = true;
            if (layout.integerPlaceholders == 0) {
                out.append(digits.integer);
            }
            if (!digits.fraction.empty()) {
                out.push_back('.');
            }
            break;
        case MaskItem::Kind::Literal: {
            // A literal between integer placeholders, with no digit before it
            // yet, separates nothing: "#,##0" shows 5 as "5".
            const bool betweenEmptyPlaceholders
                = !inFraction && integerIndex > 0 && integerIndex < layout.integerPlaceholders && !shownDigit;
            if (!betweenEmptyPlaceholders) {
                out.push_back(item.character);
            }
            break;
        }
        }
    }
    return out;
}

double RuntimeFloor(double x) noexcept { return std::floor(x); }

double RuntimeCvtSInt32ToReal64(std::int32_t value) noexcept { return static_cast<double>(value); }

std::int32_t RuntimeStringCompare(std::string_view a, std::string_view b) noexcept
{
    const int order = a.compare(b);
    return (order > 0) - (order < 0);
}

} // namespace fw
