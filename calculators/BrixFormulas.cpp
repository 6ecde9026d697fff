#include "calculators/BrixFormulas.h"

// Every statement below is exactly one IEEE double operation, with operands in
// the order written, so each intermediate is rounded to a Double before the
// next one uses it. Merging statements or reordering operands changes the last
// bits of the results; the build also forbids fused multiply-add.

namespace BrixFormulas {

namespace {

// Specific gravity of water: the zero point of every gravity.
constexpr double kWaterGravity = 1.0;

// Default wort correction factor: the refractometer over-reads wort sugar.
constexpr double kDefaultWortCorrectionFactor = 1.04;

// Brix to specific gravity: SG = 1 + x / (kOgBase - (x / kOgBrixScale) * kOgCurvature).
constexpr double kOgBrixScale = 258.2;
constexpr double kOgCurvature = 227.1;
constexpr double kOgBase = 258.6;

// Final gravity as a linear fit to both corrected readings; the alcohol made
// from the original extract counts against it, hence the negative weight.
constexpr double kFgOriginalBrixWeight = -0.002349;
constexpr double kFgFinalBrixWeight = 0.006276;

// Real attenuation is this share of the apparent attenuation.
constexpr double kRealPerApparentAttenuation = 0.8192;

// Alcohol by volume in percent from the gravity drop.
constexpr double kAbvGravityDropScale = 76.08;
constexpr double kAbvGravityPole = 1.775; // the formula divides by (1.775 - og)
constexpr double kAbvAlcoholGravity = 0.794; // specific gravity of ethanol

// Real extract in degrees Brix from both corrected readings.
constexpr double kReOriginalBrixWeight = -0.29388;
constexpr double kReFinalBrixWeight = 1.27582;

} // namespace

void InitOB() { OB = 0.0; }
void InitFB() { FB = 0.0; }
void InitEmpty1() { }
void InitEmpty2() { }
void InitWCF() { WCF = kDefaultWortCorrectionFactor; }
void InitEmpty3() { }
void InitEmpty4() { }
void InitEmpty5() { }
void InitEmpty6() { }

void Calc_FG(double ob, double fb, double wcf)
{
    const double a = kFgOriginalBrixWeight * ob;
    const double b = a / wcf;
    const double c = kFgFinalBrixWeight * fb;
    const double d = c / wcf;
    const double e = b + d;
    FG = e + kWaterGravity;
}

void Calc_OG(double ob, double wcf)
{
    const double x = ob / wcf;
    const double t1 = x / kOgBrixScale;
    const double t2 = t1 * kOgCurvature;
    const double t3 = kOgBase - t2;
    const double q = x / t3;
    OG = q + kWaterGravity;
}

void Calc_AA(double fg, double og)
{
    const double n = og - fg;
    const double m = og - kWaterGravity;
    AA = n / m;
}

void Calc_RA(double aa) { RA = aa * kRealPerApparentAttenuation; }

void Calc_ABV(double fg, double og)
{
    const double d1 = og - fg;
    const double p = kAbvGravityDropScale * d1;
    const double d2 = kAbvGravityPole - og;
    const double q = p / d2;
    const double r = fg / kAbvAlcoholGravity;
    ABV = q * r;
}

void Calc_RE(double ob, double wcf, double fb)
{
    const double a = ob / wcf;
    const double b = kReOriginalBrixWeight * a;
    const double c = fb / wcf;
    const double d = kReFinalBrixWeight * c;
    RE = b + d;
}

void RecalculateAll()
{
    Calc_FG(OB, FB, WCF);
    Calc_OG(OB, WCF);
    Calc_AA(FG, OG);
    Calc_RA(AA);
    Calc_ABV(FG, OG);
    Calc_RE(OB, WCF, FB);
}

} // namespace BrixFormulas
