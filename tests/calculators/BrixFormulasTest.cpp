#include "calculators/BrixFormulas.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <ostream>
#include <string>

namespace {

namespace bf = BrixFormulas;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The worked values are given to ten significant digits.
constexpr double kRelativeTolerance = 5e-10;

struct NamedValue {
    const char* name;
    double* value;
};

// OB, FB, WCF, then the six results in the order the window computes them.
const std::array<NamedValue, 9> kModuleValues { {
    { "OB", &bf::OB },
    { "FB", &bf::FB },
    { "WCF", &bf::WCF },
    { "FG", &bf::FG },
    { "OG", &bf::OG },
    { "AA", &bf::AA },
    { "RA", &bf::RA },
    { "ABV", &bf::ABV },
    { "RE", &bf::RE },
} };

using Values = std::array<double, 9>;

Values Snapshot()
{
    Values values {};
    for (std::size_t i = 0; i < kModuleValues.size(); ++i)
        values[i] = *kModuleValues[i].value;
    return values;
}

void FillModuleValues(double value)
{
    for (const NamedValue& v : kModuleValues)
        *v.value = value;
}

// Taken during static initialisation, before any initialiser or test has run.
const Values kStorageBeforeStartUp = Snapshot();

void ExpectClose(const char* name, double actual, double expected)
{
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(actual)) << name << " = " << actual << ", expected NaN";
    } else if (std::isinf(expected)) {
        EXPECT_EQ(actual, expected) << name;
    } else {
        EXPECT_NEAR(actual, expected, kRelativeTolerance * std::fabs(expected)) << name;
    }
}

struct WorkedRow {
    const char* name;
    double ob, fb, wcf;
    double og, fg, aa, ra, abv, re;
};

void PrintTo(const WorkedRow& row, std::ostream* os) { *os << row.name; }

class BrixFormulasWorkedValues : public ::testing::TestWithParam<WorkedRow> { };

TEST_P(BrixFormulasWorkedValues, WindowOrderLeavesModuleValuesAsWorked)
{
    const WorkedRow& row = GetParam();
    FillModuleValues(-12345.0); // a result that is never stored shows up
    bf::OB = row.ob;
    bf::FB = row.fb;
    bf::WCF = row.wcf;

    bf::RecalculateAll();

    EXPECT_EQ(bf::OB, row.ob);
    EXPECT_EQ(bf::FB, row.fb);
    EXPECT_EQ(bf::WCF, row.wcf);
    ExpectClose("OG", bf::OG, row.og);
    ExpectClose("FG", bf::FG, row.fg);
    ExpectClose("AA", bf::AA, row.aa);
    ExpectClose("RA", bf::RA, row.ra);
    ExpectClose("ABV", bf::ABV, row.abv);
    ExpectClose("RE", bf::RE, row.re);
}

INSTANTIATE_TEST_SUITE_P(Rows, BrixFormulasWorkedValues,
    ::testing::Values(
        // name, OB, FB, WCF, OG, FG, AA, RA, ABV, RE
        WorkedRow {
            "Typical", 12, 6, 1.04, 1.046441535, 1.009103846, 0.8039718946, 0.6586137760, 4.955287865, 3.969576923 },
        WorkedRow {
            "Strong", 20, 10, 1.04, 1.079569375, 1.015173077, 0.8093100910, 0.6629868265, 9.007353030, 6.615961538 },
        WorkedRow { "UncorrectedFactorOne", 12, 6, 1.0, 1.048378242, 1.009468000, 0.8042921864, 0.6588761591,
            5.179622317, 4.128360000 },
        WorkedRow { "EqualReadingsSmallPositiveAttenuation", 10, 10, 1.04, 1.038439585, 1.037759615, 0.01768929750,
            0.01449107251, 0.09179682588, 9.441730769 },
        WorkedRow { "FinalZeroNothingClamped", 1, 0, 1.04, 1.003730446, 0.9977413462, 1.605464799, 1.315196764,
            0.7423750194, -0.2825769231 },
        WorkedRow { "BothZeroAttenuationNaN", 0, 0, 1.04, 1.0, 1.0, kNaN, kNaN, 0.0, 0.0 },
        WorkedRow { "OriginalZeroAttenuationMinusInfinity", 0, 5, 1.04, 1.0, 1.030173077, -kInf, -kInf, -3.843068226,
            6.133750000 },
        WorkedRow { "FactorZeroAllNaN", 12, 6, 0.0, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN }),
    [](const ::testing::TestParamInfo<WorkedRow>& info) { return std::string(info.param.name); });

// Every module value holds NaN while a routine runs on explicit arguments: a
// routine that read a module value would produce NaN, one that stored more
// than its own value would overwrite a NaN. The expected values are bit-exact
// for one rounding per step in the written operand order; this row tells apart
// the usual algebraic rewrites of ABV and RE.
TEST(BrixFormulasRoutines, WorkOnArgumentsAloneAndStoreOnlyTheirOwnValue)
{
    constexpr double kOb = 1.0, kFb = 0.0, kWcf = 1.04;
    constexpr double kOg = 0x1.00f47a80549f1p+0;
    constexpr double kFg = 0x1.fed7f4273210dp-1;
    constexpr double kAa = 0x1.9affbdb813b65p+0;

    struct Case {
        const char* routine;
        void (*call)();
        const double* stored;
        double expected;
    };
    const Case cases[] = {
        { "Calc_FG", [] { bf::Calc_FG(kOb, kFb, kWcf); }, &bf::FG, kFg },
        { "Calc_OG", [] { bf::Calc_OG(kOb, kWcf); }, &bf::OG, kOg },
        { "Calc_AA", [] { bf::Calc_AA(kFg, kOg); }, &bf::AA, kAa },
        { "Calc_RA", [] { bf::Calc_RA(kAa); }, &bf::RA, 0x1.50b0bc2f93a14p+0 },
        { "Calc_ABV", [] { bf::Calc_ABV(kFg, kOg); }, &bf::ABV, 0x1.7c18941ba1029p-1 },
        { "Calc_RE", [] { bf::Calc_RE(kOb, kWcf, kFb); }, &bf::RE, -0x1.215bd84ce0f6fp-2 },
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(c.routine);
        FillModuleValues(kNaN);
        c.call();
        EXPECT_EQ(*c.stored, c.expected);
        for (const NamedValue& v : kModuleValues) {
            if (v.value != c.stored) {
                EXPECT_TRUE(std::isnan(*v.value)) << v.name << " was overwritten";
            }
        }
    }
}

// Start-up state is the zeroed storage plus the initialisers: WCF 1.04 and
// every other value 0.
TEST(BrixFormulasStartUp, InitialisersInOrderOverZeroedStorage)
{
    const std::array<void (*)(), 9> expectedOrder {
        &bf::InitOB,
        &bf::InitFB,
        &bf::InitEmpty1,
        &bf::InitEmpty2,
        &bf::InitWCF,
        &bf::InitEmpty3,
        &bf::InitEmpty4,
        &bf::InitEmpty5,
        &bf::InitEmpty6,
    };
    for (std::size_t i = 0; i < expectedOrder.size(); ++i) {
        EXPECT_TRUE(bf::kInitialisers[i] == expectedOrder[i]) << "initialiser at position " << i;
    }

    for (std::size_t i = 0; i < kModuleValues.size(); ++i) {
        EXPECT_EQ(kStorageBeforeStartUp[i], 0.0) << kModuleValues[i].name << " before start-up";
    }

    constexpr double kLeftOver = 99.0;
    FillModuleValues(kLeftOver);
    for (void (*init)() : bf::kInitialisers)
        init();

    EXPECT_EQ(bf::OB, 0.0);
    EXPECT_EQ(bf::FB, 0.0);
    EXPECT_EQ(bf::WCF, 1.04);
    for (std::size_t i = 3; i < kModuleValues.size(); ++i) {
        EXPECT_EQ(*kModuleValues[i].value, kLeftOver) << kModuleValues[i].name << " set by an initialiser";
    }
}

} // namespace
