#include <fw/NumberMasks.h>
#include <fw/Numbers.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

namespace fw {

namespace {

// A Double's exact decimal expansion ends within 1074 places after the point
// (the smallest subnormal is 2^-1074) and spans at most 309 digits before it.
constexpr int kMaxExactDecimals = 1074;
constexpr std::size_t kMaxIntegerDigits = 309;
constexpr std::size_t kFixedBufferSize = kMaxIntegerDigits + 1 + kMaxExactDecimals + 16;
constexpr int kPercentShift = 2; // a percentage moves the decimal point two places

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

std::string StringFormat(double value, std::string_view mask, [[maybe_unused]] std::int32_t flag)
{
    // The non-finite values have one text each, wherever they are shown.
    if (!std::isfinite(value) || mask.empty()) {
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

} // namespace fw
