#pragma once

// Refractometer formulas. Two refractometer readings in degrees Brix, the
// original (OB, before fermentation) and final (FB, after), and the wort
// correction factor WCF are the inputs; the refractometer window stores the
// three inputs it shows in their module values, then runs Calc_FG, Calc_OG,
// Calc_AA, Calc_RA, Calc_ABV and Calc_RE in that order, reading each argument
// from the module values at the moment of the call, so AA and ABV see the FG and OG
// just computed and RA the AA just computed. Each routine works on its
// arguments alone and stores exactly one result: OG and FG (specific gravity),
// AA and RA (attenuation as a ratio), ABV (percent) and RE (degrees Brix).
// Start-up runs kInitialisers once, in order; they set OB and FB to 0 and WCF
// to 1.04, while the six results keep the zero of fresh storage. Arguments are
// never checked: infinities and NaN propagate into the results as IEEE
// arithmetic makes them. Everything runs on the user-interface thread only.

#include <array>

namespace BrixFormulas {

// One set for the whole process, never reset after start-up.
inline double OB, FB, WCF, OG, FG, AA, RA, ABV, RE;

void InitOB();
void InitFB();
void InitEmpty1();
void InitEmpty2();
void InitWCF();
void InitEmpty3();
void InitEmpty4();
void InitEmpty5();
void InitEmpty6();

// Start-up order.
inline constexpr auto kInitialisers = std::to_array<void (*)()>({
    &InitOB,
    &InitFB,
    &InitEmpty1,
    &InitEmpty2,
    &InitWCF,
    &InitEmpty3,
    &InitEmpty4,
    &InitEmpty5,
    &InitEmpty6,
});
static_assert(kInitialisers.size() == 9,
    "nine module initialisers: three give the inputs their values, six leave the results as they are");

// Parameter orders differ on purpose: Calc_FG takes the factor last,
// Calc_RE takes it second.
void Calc_FG(double ob, double fb, double wcf);
void Calc_OG(double ob, double wcf);
void Calc_AA(double fg, double og);
void Calc_RA(double aa);
void Calc_ABV(double fg, double og);
void Calc_RE(double ob, double wcf, double fb);

// The six routines as the window runs them after an edit: in the order above,
// each argument read from the module values at the moment of its call.
void RecalculateAll();

} // namespace BrixFormulas
