// The format masks with which the program shows a Double: `StringFormat`, the
// mask engine. It never fails: any text is a mask. Its texts fit those of
// Numbers.h as that header says.
//
// Mask characters:
//   0        a required digit
//   #        an optional digit
//   .        the decimal point (the first one; later ones are shown as is)
//   %        shown as is; its presence scales the value by 100 (once)
//   / or \   shows the next mask character as is ("/%" shows "%", and still
//            scales: "#0.0/%" shows 0.8039718946 as "80.4%")
//   other    shown as is
// All integer digits of the value are shown, the surplus at the first integer
// placeholder; the fraction has as many digits as the mask has placeholders
// after the point, trailing zeros dropped down to the last '0'; a point with no
// digit after it is dropped. The minus sign leads the text, and is left out
// when every shown digit is 0.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// The value under a format mask (see above). An empty mask gives
// StringStrDouble's text. `flag` is reserved: the program always passes 1 and
// it selects nothing.
std::string StringFormat(double value, std::string_view mask, std::int32_t flag);

} // namespace fw
