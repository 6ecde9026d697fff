#include <fw/NumberMasks.h>
#include <fw/Numbers.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kSmallest = std::numeric_limits<double>::denorm_min();

// Same value and the same sign of zero; any NaN is the same as any other.
::testing::AssertionResult SameDouble(double expected, double actual)
{
    if (std::isnan(expected) && std::isnan(actual)) {
        return ::testing::AssertionSuccess();
    }
    if (expected == actual && std::signbit(expected) == std::signbit(actual)) {
        return ::testing::AssertionSuccess();
    }
    char text[96];
    std::snprintf(text, sizeof text, "expected %.17g, got %.17g", expected, actual);
    return ::testing::AssertionFailure() << text;
}

template <class Case> std::string RowName(const ::testing::TestParamInfo<Case>& info) { return info.param.name; }

// ---------------------------------------------------------------- runCDbl

struct ReadCase {
    const char* name;
    std::string text;
    double expected;
};

class RunCDblTest : public ::testing::TestWithParam<ReadCase> { };

TEST_P(RunCDblTest, ReadsTheLongestLeadingNumber)
{
    EXPECT_TRUE(SameDouble(GetParam().expected, fw::runCDbl(GetParam().text)));
}

const std::string k400Zeros(400, '0');

INSTANTIATE_TEST_SUITE_P(Grammar, RunCDblTest,
    ::testing::ValuesIn(std::vector<ReadCase> {
        { "Whole", "53", 53 },
        { "Decimal", "1.5", 1.5 },
        { "LeadingSpaces", "  12", 12 },
        { "LeadingTab", "\t7", 7 },
        { "MixedBlanks", " \t 3", 3 },
        { "NewlineIsNotABlank", "\n5", 0 },
        { "TrailingBlanks", "5  ", 5 },
        { "Plus", "+4", 4 },
        { "Minus", "-11", -11 },
        { "MinusZero", "-0", -0.0 },
        { "NoIntegerDigits", ".5", 0.5 },
        { "SignedNoIntegerDigits", "-.25", -0.25 },
        { "NoFractionDigits", "5.", 5 },
        { "TrailingText", "12abc", 12 },
        { "CommaIsNotADecimalSeparator", "1,5", 1 },
        { "SecondPointEndsTheNumber", "1.2.3", 1.2 },
        { "Exponent", "1e3", 1000 },
        { "UpperExponentNegative", "2E-2", 0.02 },
        { "ExponentWithPlus", "1e+2", 100 },
        { "FractionWithExponent", ".5e1", 5 },
        { "ExponentWithoutDigits", "1e", 1 },
        { "ExponentSignWithoutDigits", "1e+", 1 },
        { "ExponentFollowedByText", "1e-x", 1 },
        { "SevenDigitText", "1.178097", 1.178097 },
        { "Empty", "", 0 },
        { "OnlyBlanks", "  \t", 0 },
        { "LonePoint", ".", 0 },
        { "LoneSign", "-", 0 },
        { "SignAndPoint", "-.", 0 },
        { "PointThenExponent", ".e5", 0 },
        { "SignThenBlank", "- 5", 0 },
        { "DoubleSign", "--5", 0 },
        { "Letters", "abc", 0 },
        { "BlanksThenLetter", "  x", 0 },
        { "NoHex", "0x1A", 0 },
        { "NoInfWord", "inf", 0 },
        { "NoNanWord", "nan", 0 },
        { "Overflow", "1e999", kInf },
        { "NegativeOverflow", "-1e999", -kInf },
        { "Underflow", "1e-999", 0 },
        { "NegativeUnderflowKeepsSign", "-1e-999", -0.0 },
        { "HugeExponentSaturates", "1e99999999999999999999999", kInf },
        { "HugeNegativeExponentSaturates", "-1e-99999999999999999999999", -0.0 },
        { "ZeroWithHugeExponent", "0e99999", 0 },
        { "Subnormal", "4.9406564584124654e-324", kSmallest },
        { "BelowHalfTheSmallestSubnormal", "2e-324", 0 },
        { "ManyDigitsOverflow", "1" + k400Zeros, kInf },
        { "ManyDigitsScaledBack", "1" + k400Zeros + "e-400", 1 },
        { "ManyFractionZerosUnderflow", "0." + k400Zeros + "1", 0 },
        { "ManyFractionZerosScaledBack", "0." + k400Zeros + "1e400", 0.1 },
        { "ManyLeadingZeros", k400Zeros + "7", 7 },
    }),
    RowName<ReadCase>);

// StringStrDouble's words for the non-finite values read back as those values;
// the grammar's blanks and sign go with them, nothing else does.
INSTANTIATE_TEST_SUITE_P(NonFiniteWords, RunCDblTest,
    ::testing::ValuesIn(std::vector<ReadCase> {
        { "Infinity", "Infinity", kInf },
        { "NegativeInfinity", "-Infinity", -kInf },
        { "PlusInfinity", "+Infinity", kInf },
        { "NaN", "NaN", kNaN },
        { "SignedNaN", "-NaN", kNaN },
        { "BlanksAround", " \t-Infinity \t", -kInf },
        { "BlanksAroundNaN", "  NaN ", kNaN },
        { "LowerCase", "infinity", 0 },
        { "UpperCase", "INFINITY", 0 },
        { "ShortInf", "Inf", 0 },
        { "LongerWord", "Infinite", 0 },
        { "WordGoesOn", "Infinityx", 0 },
        { "DigitAfterTheWord", "Infinity5", 0 },
        { "TextAfterABlank", "Infinity gallons", 0 },
        { "NewlineAfterTheWord", "Infinity\n", 0 },
        { "PluralNaN", "NaNs", 0 },
        { "MixedCaseNaN", "Nan", 0 },
        { "SignThenBlank", "- Infinity", 0 },
        { "DoubleSign", "--Infinity", 0 },
        { "PointBefore", ".Infinity", 0 },
        { "DigitBefore", "1Infinity", 1 },
        { "ExponentWord", "1eInfinity", 1 },
    }),
    RowName<ReadCase>);

TEST(RunCDbl, ReadsNothingPastTheView)
{
    const std::string_view text = "12345e5";
    EXPECT_EQ(fw::runCDbl(text.substr(0, 2)), 12);
    EXPECT_EQ(fw::runCDbl(text.substr(0, 6)), 12345); // the exponent's digit lies outside
    EXPECT_EQ(fw::runCDbl(std::string_view(text.data(), 0)), 0);
}

// ---------------------------------------------------------- StringStrDouble

struct RenderCase {
    const char* name;
    double value;
    const char* expected;
};

class StringStrDoubleTest : public ::testing::TestWithParam<RenderCase> { };

TEST_P(StringStrDoubleTest, RendersLikeAPersonExpects)
{
    EXPECT_EQ(fw::StringStrDouble(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Renderings, StringStrDoubleTest,
    ::testing::ValuesIn(std::vector<RenderCase> {
        { "NaN", kNaN, "NaN" },
        { "NegativeNaN", -kNaN, "NaN" },
        { "Infinity", kInf, "Infinity" },
        { "NegativeInfinity", -kInf, "-Infinity" },
        { "Zero", 0.0, "0" },
        { "NegativeZero", -0.0, "0" },
        { "Whole", 53, "53" },
        { "NegativeWhole", -11, "-11" },
        { "LargestPlainWhole", 999999999999999.0, "999999999999999" },
        { "LargestPlainWholeNegative", -999999999999999.0, "-999999999999999" },
        { "WholeAtTheLimitTakesAnExponent", 1e15, "1e+15" },
        { "WholeAboveTheLimit", 4503599627370496.0, "4.5036e+15" },
        { "Half", 0.5, "0.5" },
        { "NegativeHalf", -0.5, "-0.5" },
        { "Tenth", 0.1, "0.1" },
        { "Third", 1.0 / 3.0, "0.3333333" },
        { "BoilOffGallonsPerHour", 1.1780972450961724, "1.178097" },
        { "BoilOffPercent", 23.561939999999996, "23.56194" },
        { "SevenDigitsBeforeThePoint", 1234567.4, "1234567" },
        { "RoundsIntoTheNextDecade", 9999999.6, "1e+07" },
        { "EightDigitsTakeAnExponent", 12345678.9, "1.234568e+07" },
        { "LargeTakesAnExponent", 1e20, "1e+20" },
        { "SmallFixed", 0.0001, "0.0001" },
        { "SmallTakesAnExponent", 1.5e-7, "1.5e-07" },
        { "Largest", std::numeric_limits<double>::max(), "1.797693e+308" },
        { "SmallestSubnormal", kSmallest, "4.940656e-324" },
    }),
    RowName<RenderCase>);

bool IsPlainWhole(std::string_view text)
{
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// runCDbl(StringStrDouble(x)) is the number the text shows: NaN and the
// infinities as themselves, whole numbers below 1e15 exactly, anything else the
// Double nearest the seven digits shown, which lie within half a unit of the
// seventh digit of x. The C library's strtod, which reads the same texts, is an
// independent judge of the nearest Double.
::testing::AssertionResult ReadsBackAsShown(double x)
{
    const std::string text = fw::StringStrDouble(x);
    const double back = fw::runCDbl(text);
    const double judge = std::strtod(text.c_str(), nullptr);
    char trace[128];
    std::snprintf(trace, sizeof trace, "x = %.17g shows \"%s\", reads back as %.17g", x, text.c_str(), back);
    const auto fault = [&](const char* what) { return ::testing::AssertionFailure() << what << ": " << trace; };

    if (std::isnan(x)) {
        return std::isnan(back) ? ::testing::AssertionSuccess() : fault("NaN reads back as NaN");
    }
    if (!SameDouble(judge, back)) {
        return fault("the nearest Double to the text");
    }
    if (std::isinf(x) || (x == std::trunc(x) && std::fabs(x) < 1e15)) {
        if (std::isfinite(x) && !IsPlainWhole(text)) {
            return fault("a whole number shows as plain digits");
        }
        return back == x ? ::testing::AssertionSuccess() : fault("x itself");
    }
    // A subnormal's nearest Double can be up to twice the decimal's error away.
    const double relative = std::fabs(x) >= std::numeric_limits<double>::min() ? 5e-7 * (1 + 1e-12) : 1e-6;
    if (!(std::fabs(back - x) <= relative * std::fabs(x))) {
        return fault("within the seven digits shown");
    }
    return ::testing::AssertionSuccess();
}

struct SpecialValue {
    const char* name;
    double value;
};

class RoundTripTest : public ::testing::TestWithParam<SpecialValue> { };

TEST_P(RoundTripTest, ReadsBackAsShown) { EXPECT_TRUE(ReadsBackAsShown(GetParam().value)); }

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kSmallestNormal = std::numeric_limits<double>::min();

INSTANTIATE_TEST_SUITE_P(SpecialValues, RoundTripTest,
    ::testing::ValuesIn(std::vector<SpecialValue> {
        { "Zero", 0.0 },
        { "NegativeZero", -0.0 },
        { "Infinity", kInf },
        { "NegativeInfinity", -kInf },
        { "NaN", kNaN },
        { "NegativeNaN", -kNaN },
        { "SignallingNaN", std::numeric_limits<double>::signaling_NaN() },
        { "SmallestSubnormal", kSmallest },
        { "NegativeSmallestSubnormal", -kSmallest },
        { "ThreeSmallestSubnormals", 3 * kSmallest },
        { "LargestSubnormal", kSmallestNormal - kSmallest },
        { "SmallestNormal", kSmallestNormal },
        { "NegativeSmallestNormal", -kSmallestNormal },
        { "Largest", kLargest },
        { "NegativeLargest", -kLargest },
        { "BelowLargest", std::nextafter(kLargest, 0.0) },
        { "LargestPlainWhole", 999999999999999.0 },
        { "NegativeLargestPlainWhole", -999999999999999.0 },
        { "HalfBelowTheWholeLimit", 999999999999999.5 },
        { "WholeLimit", 1e15 },
        { "JustAboveTheWholeLimit", 1e15 + 1 },
        { "AllIntegersExact", 9007199254740992.0 },
        { "FractionNearTheWholeLimit", 123456789012345.6 },
        { "SevenDigitsRoundIntoTheNextDecade", 9999999.6 },
        { "EightDigits", 12345678.5 },
        { "Huge", 1e200 },
        { "TinyNegative", -1e-300 },
        { "ExponentOfThreeDigits", 1.5e-100 },
        { "TwoDigitNegativeExponent", 1e-5 },
        { "Tenth", 0.1 },
        { "Third", 1.0 / 3.0 },
        { "NegativeTwoThirds", -2.0 / 3.0 },
    }),
    RowName<SpecialValue>);

TEST(StringStrDouble, EveryRenderingReadsBackAsShown)
{
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<int> digitCount(1, 15);
    std::uniform_int_distribution<int> decade(-330, 310);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::bernoulli_distribution negative(0.5);
    constexpr int kDraws = 3000;

    std::vector<double> draws;
    for (int i = 0; i < kDraws; ++i) {
        const int digits = digitCount(random);
        const auto limit = static_cast<std::int64_t>(std::pow(10.0, digits)) - 1;
        const auto whole = std::uniform_int_distribution<std::int64_t>(0, limit)(random);
        draws.push_back(static_cast<double>(negative(random) ? -whole : whole));
    }
    for (int i = 0; i < kDraws; ++i) {
        const double x = mantissa(random) * std::pow(10.0, decade(random));
        draws.push_back(negative(random) ? -x : x);
    }
    // Any bit pattern: subnormals, NaNs of every payload and the infinities among them.
    for (int i = 0; i < kDraws; ++i) {
        draws.push_back(std::bit_cast<double>(random()));
    }
    // The top exponent's patterns, NaNs and infinities, rarely come out of 64 random bits.
    for (int i = 0; i < kDraws / 10; ++i) {
        draws.push_back(std::bit_cast<double>(random() | 0x7ff0'0000'0000'0000));
    }
    for (const double x : draws) {
        ASSERT_TRUE(ReadsBackAsShown(x)); // the first failing draw says enough
    }
}

// ------------------------------------------------------------- StringFormat

struct FormatCase {
    const char* name;
    double value;
    const char* mask;
    const char* expected;
};

class StringFormatTest : public ::testing::TestWithParam<FormatCase> { };

TEST_P(StringFormatTest, RendersUnderTheMask)
{
    EXPECT_EQ(fw::StringFormat(GetParam().value, GetParam().mask, 1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(WindowMasks, StringFormatTest,
    ::testing::ValuesIn(std::vector<FormatCase> {
        { "OriginalGravity", 1.046441535, "0.000", "1.046" },
        { "FinalGravity", 1.009103846, "0.000", "1.009" },
        { "CorrectionFactorPadsZeros", 1.04, "0.000", "1.040" },
        { "ApparentAttenuation", 0.8039718946, "#0.0/%", "80.4%" },
        { "RealAttenuation", 0.6586137760, "#0.0/%", "65.9%" },
        { "AlcoholRoundsUp", 4.955287865, "#0.0", "5.0" },
        { "RealExtractRoundsUp", 3.969576923, "#0.0", "4.0" },
        { "ZeroAlcohol", 0.0, "#0.0", "0.0" },
        { "ExactBinaryValueDecides", 123.45, "#0.0", "123.5" }, // 123.45 is 123.4500000000000028...
        { "NegativeRoundingToZeroHasNoSign", -0.0001, "0.000", "0.000" },
        { "NegativeZero", -0.0, "0.000", "0.000" },
        { "NegativePercentRoundingToZero", -0.0004, "#0.0/%", "0.0%" },
        { "NegativePercent", -0.04, "#0.0/%", "-4.0%" },
        { "Negative", -1.5, "#0.0", "-1.5" },
        { "IntegerDigitsBeyondTheMask", 12345.67, "#0.0", "12345.7" },
        { "PercentAboveHundred", 12.345, "#0.0/%", "1234.5%" },
        { "NaNGravity", kNaN, "0.000", "NaN" },
        { "NaNAttenuation", kNaN, "#0.0/%", "NaN" },
        { "NaNAlcohol", kNaN, "#0.0", "NaN" },
        { "NegativeInfinityGravity", -kInf, "0.000", "-Infinity" },
        { "InfinityAttenuation", kInf, "#0.0/%", "Infinity" },
        { "HugeShowsAllDigits", 1e300, "0.000",
            "1000000000000000052504760255204420248704468581108159154915854115511802457988908195786371375080447864"
            "0437044438328838781769425232353604305756447921847867069828483872009265758037378302337947880900593689"
            "53234970799945081119038967640880074652742780142494579258788820056842838115669472196386865459400540160"
            ".000" },
    }),
    RowName<FormatCase>);

INSTANTIATE_TEST_SUITE_P(MaskEngine, StringFormatTest,
    ::testing::ValuesIn(std::vector<FormatCase> {
        { "EmptyMaskIsThePlainRendering", 0.5, "", "0.5" },
        { "EmptyMaskWhole", 53, "", "53" },
        { "RequiredIntegerDigits", 5.26, "00.0", "05.3" },
        { "OptionalIntegerDigitHidesZero", 0.5, "#.0", ".5" },
        { "OptionalFractionDigits", 0.5, "#.##", ".5" },
        { "PointWithoutDigitsIsDropped", 2, "#.##", "2" },
        { "RequiredFractionThenOptional", 1.5, "0.0#", "1.5" },
        { "OptionalFractionKeptWhenNonZero", 1.25, "0.0#", "1.25" },
        { "NoIntegerPlaceholders", 12.5, ".00", "12.50" },
        { "TieGoesToEven", 2.5, "0", "2" },
        { "ExactTieInTheFraction", 0.125, "0.00", "0.12" },
        { "LeadingLiteral", 3.5, "$#0.00", "$3.50" },
        { "SignLeadsTheLiterals", -3.5, "$#0.00", "-$3.50" },
        { "EscapedLetters", 12, "#0 \\k\\g", "12 kg" },
        { "EscapedPlaceholder", 7, "0 /#", "7 #" },
        { "EscapedPoint", 5.7, "0\\.5", "6.5" },
        { "TrailingEscapeShownAsIs", 3, "0\\", "3\\" },
        { "PercentInFront", 0.5, "%0.0", "%50.0" },
        { "UnescapedPercent", 0.255, "0%", "26%" },
        { "PercentScalesOnce", 0.5, "0%%", "50%%" },
        { "SecondPointIsALiteral", 1.25, "0.0.0", "1.2.5" },
        { "SeparatorWithoutDigitsBeforeIt", 5, "#,##0", "5" },
        { "SeparatorWithDigitsBeforeIt", 12345, "#,##0", "12,345" },
        { "LiteralsOnly", 0.5, "abc", "abc" },
        { "LiteralsOnlyNegative", -5, "abc", "abc" },
        { "NaNIgnoresLiterals", kNaN, "abc", "NaN" },
    }),
    RowName<FormatCase>);

TEST(StringFormat, PercentOfAHugeValueDoesNotOverflow)
{
    const std::string text = fw::StringFormat(1e308, "#0.0/%", 1);
    EXPECT_EQ(text.substr(0, 20), "10000000000000000109");
    EXPECT_EQ(text.size(), 309 + 2 + 3); // 309 digits, the scaling's two, ".0%"
    EXPECT_EQ(text.substr(text.size() - 5), "00.0%");
}

TEST(StringFormat, LongFractionsShowTheExactBinaryValue)
{
    constexpr int kDecimals = 1100; // beyond the 1074 places a Double can need
    const std::string mask = "0." + std::string(kDecimals, '0');
    std::vector<char> expected(kDecimals + 16);
    for (const double x : { 0.1, kSmallest, -2.0 / 3.0 }) {
        std::snprintf(expected.data(), expected.size(), "%.*f", kDecimals, x);
        EXPECT_EQ(fw::StringFormat(x, mask, 1), expected.data()) << x;
    }
}

// printf's %.Nf is an independent correct rounding of the binary value.
TEST(StringFormat, FixedMasksAgreeWithPrintf)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> decade(-6, 20);
    std::bernoulli_distribution negative(0.5);
    constexpr int kDraws = 4000;
    char expected[512];
    for (int i = 0; i < kDraws; ++i) {
        const double magnitude = std::pow(10.0, decade(random));
        const double x = negative(random) ? -magnitude : magnitude;
        std::snprintf(expected, sizeof expected, "%.3f", x);
        const std::string three = std::string_view(expected) == "-0.000" ? "0.000" : expected;
        std::snprintf(expected, sizeof expected, "%.1f", x);
        const std::string one = std::string_view(expected) == "-0.0" ? "0.0" : expected;
        ASSERT_EQ(fw::StringFormat(x, "0.000", 1), three) << x;
        ASSERT_EQ(fw::StringFormat(x, "#0.0", 1), one) << x;
    }
}

// The boil-off window writes the gallons per hour, reads that text back and
// computes the percent from it: the seven digits shown decide the percent.
TEST(DisplayedTexts, BoilOffPercentComesFromTheShownDigits)
{
    const std::string perHour = fw::StringStrDouble(1.1780972450961724);
    EXPECT_EQ(perHour, "1.178097");
    const double percent = fw::runCDbl(perHour) / fw::runCDbl("5") * 100.0;
    EXPECT_EQ(percent, 23.561939999999996);
    EXPECT_EQ(fw::StringStrDouble(percent), "23.56194");
}

// The bottling window floors bottle counts, shows them and reads them back.
TEST(DisplayedTexts, BottleCountsSurviveTheirText)
{
    // -1 gallon with the split at 0: (-128 / 22) x 0 is negative zero.
    const double noLargeBottles = fw::RuntimeFloor((-128.0 / 22.0) * (fw::RuntimeCvtSInt32ToReal64(0) / 100.0));
    EXPECT_TRUE(SameDouble(-0.0, noLargeBottles));
    EXPECT_EQ(fw::StringStrDouble(noLargeBottles), "0");
    EXPECT_TRUE(SameDouble(0.0, fw::runCDbl(fw::StringStrDouble(noLargeBottles))));

    const double smallBottles = fw::RuntimeFloor((-1.0 * 128.0) / 12.0);
    EXPECT_EQ(fw::StringStrDouble(smallBottles), "-11");
    EXPECT_EQ(fw::runCDbl("-11"), -11);

    const double fiveGallons
        = fw::RuntimeFloor(((5.0 * 128.0) / 12.0) * (fw::RuntimeCvtSInt32ToReal64(100 - 0) / 100.0));
    EXPECT_EQ(fw::StringStrDouble(fiveGallons), "53");
    EXPECT_EQ(fw::runCDbl("53"), 53);
}

// ------------------------------------------------- floor, conversion, compare

struct FloorCase {
    const char* name;
    double value;
    double expected;
};

class RuntimeFloorTest : public ::testing::TestWithParam<FloorCase> { };

TEST_P(RuntimeFloorTest, TakesTheWholeNumberBelow)
{
    EXPECT_TRUE(SameDouble(GetParam().expected, fw::RuntimeFloor(GetParam().value)));
}

INSTANTIATE_TEST_SUITE_P(Values, RuntimeFloorTest,
    ::testing::ValuesIn(std::vector<FloorCase> {
        { "Fraction", 42.666, 42 },
        { "NegativeFraction", -2.7, -3 },
        { "NegativeHalf", -0.5, -1 },
        { "PositiveHalf", 0.5, 0 },
        { "Whole", 7, 7 },
        { "NegativeZeroStays", -0.0, -0.0 },
        { "Huge", 1e300, 1e300 },
        { "Infinity", kInf, kInf },
        { "NegativeInfinity", -kInf, -kInf },
    }),
    RowName<FloorCase>);

TEST(RuntimeFloor, NaNPassesThrough) { EXPECT_TRUE(std::isnan(fw::RuntimeFloor(kNaN))); }

TEST(RuntimeCvtSInt32ToReal64, ConvertsTheWholeRange)
{
    EXPECT_EQ(fw::RuntimeCvtSInt32ToReal64(std::numeric_limits<std::int32_t>::min()), -2147483648.0);
    EXPECT_EQ(fw::RuntimeCvtSInt32ToReal64(std::numeric_limits<std::int32_t>::max()), 2147483647.0);
    EXPECT_EQ(fw::RuntimeCvtSInt32ToReal64(-1), -1.0);
}

struct CompareCase {
    const char* name;
    std::string_view a;
    std::string_view b;
    int expectedSign;
};

class RuntimeStringCompareTest : public ::testing::TestWithParam<CompareCase> { };

TEST_P(RuntimeStringCompareTest, OrdersByBytes)
{
    const int order = fw::RuntimeStringCompare(GetParam().a, GetParam().b);
    EXPECT_EQ((order > 0) - (order < 0), GetParam().expectedSign);
    const int reverse = fw::RuntimeStringCompare(GetParam().b, GetParam().a);
    EXPECT_EQ((reverse > 0) - (reverse < 0), -GetParam().expectedSign);
}

using namespace std::string_view_literals;

INSTANTIATE_TEST_SUITE_P(Texts, RuntimeStringCompareTest,
    ::testing::ValuesIn(std::vector<CompareCase> {
        { "BothEmpty", "", "", 0 },
        { "Equal", "1.040", "1.040", 0 },
        { "NonEmptyAfterEmpty", "a", "", 1 },
        { "PrefixFirst", "ab", "abc", -1 },
        { "FirstDifferentByte", "abc", "abd", -1 },
        { "CaseMatters", "B", "a", -1 },
        { "BytesAreUnsigned", "\xff", "a", 1 },
        { "EmbeddedZeroByte", "a\0b"sv, "a\0c"sv, -1 },
        { "ZeroByteIsNotTheEnd", "a\0"sv, "a", 1 },
    }),
    RowName<CompareCase>);

} // namespace
