// Numbers and their texts: reading a Double from what a user typed, and the
// two ways the program shows a Double (`StringStrDouble` here, and the format
// masks of NumberMasks.h).
//
// The windows keep no numbers of their own: they read a field's text with
// `runCDbl`, compute, and write the result back as text, and some of them
// re-read a text they have just written. So the three pieces are made to fit:
// every text that `StringStrDouble` writes is one that `runCDbl` reads back as
// the number it shows (whole numbers below 1e15 exactly, NaN and the infinities
// as themselves, others to the seven digits shown), and `StringFormat` gives NaN
// and the infinities the same texts as `StringStrDouble`, so each non-finite
// value has one rendering everywhere.
// Everything is locale-independent ("." is the only decimal separator) and
// rounds the exact binary value correctly, ties to even, as std::to_chars does.
//
// `runCDbl` never fails: a text with no leading number reads as 0.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// The Double that the longest leading number of the text denotes: blanks
// (spaces, tabs), an optional sign, digits with at most one ".", an optional
// exponent. 0 when there is none; +/-infinity on overflow, a signed 0 on
// underflow. The words that StringStrDouble writes for the non-finite values,
// "Infinity" and "NaN", read as those values when the word, after the blanks and
// the sign, is all the text but for blanks; any other word reads as 0 ("inf",
// "nan", "Infinite", "NaNs").
double runCDbl(std::string_view text) noexcept;

// "NaN", "Infinity", "-Infinity"; "0" for either zero; whole numbers below 1e15
// in magnitude as plain digits; anything else with up to 7 significant digits,
// an exponent only where needed ("0.5", "1.178097", "1e+20", "1.5e-07").
std::string StringStrDouble(double value);

// The largest whole number not above x; NaN, the infinities and -0 pass through.
double RuntimeFloor(double x) noexcept;

double RuntimeCvtSInt32ToReal64(std::int32_t value) noexcept;

// Negative, 0 or positive as a sorts before, with or after b, byte by byte
// (bytes unsigned; a proper prefix sorts first).
std::int32_t RuntimeStringCompare(std::string_view a, std::string_view b) noexcept;

} // namespace fw
