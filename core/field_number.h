// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Text to number and number to text for the calculator's edit fields.
//
// Pure; no state. No locale is read or set: the decimal separator is always ".".
// Field text is 8-bit text; only the ASCII characters below mean anything in a number,
// every other byte ends it.

#include <string>
#include <string_view>

namespace core {

// Never fails: text that does not begin with a number reads as 0.
//
// Reads the longest leading decimal number and ignores the rest:
//   ParseFieldNumber("120 BPM")   -> 120      // trailing text ignored
//   ParseFieldNumber("\t 4")      -> 4        // only tab, LF, VT, FF, CR and space are skipped
//   ParseFieldNumber("\xA0" "4")  -> 0        // a no-break space is not white space
//   ParseFieldNumber("1,5")       -> 1        // "," is not a separator
//   ParseFieldNumber("+.5")       -> 0.5
//   ParseFieldNumber("- 5")       -> 0        // a sign must touch the mantissa
//   ParseFieldNumber("1d2")       -> 100      // d and D mark an exponent like e and E
//   ParseFieldNumber("1e+")       -> 1        // an exponent without digits is not read
//   ParseFieldNumber("0x1A")      -> 0        // no hexadecimal; the leading 0 is the number
//   ParseFieldNumber("inf")       -> 0        // no inf or nan words
//   ParseFieldNumber("-0")        -> -0.0     // a zero keeps the text's sign
//
// Only the first 24 significant digits count, the 25th rounding the 24th half up; later
// integer digits only scale the value and later decimals are ignored. The exponent is
// clamped to 5201 while it is read. The decimal value then goes to the nearest double,
// an exact tie going toward zero (not to even):
//   ParseFieldNumber("9007199254740995") -> 9007199254740994   // 2^53 + 3, a tie
//   ParseFieldNumber("1e400")   -> +infinity  // too large: an infinity with the text's sign
//   ParseFieldNumber("1e-310")  -> 0          // below the normal range: never a subnormal
//
// Cost is linear in the length of the text, which is not copied.
double ParseFieldNumber(std::string_view text) noexcept;

// Writes `value` in fixed notation with three decimals when `rounded` is set and six
// otherwise. The exact binary value is first rounded to 17 significant digits, then to
// the decimals shown, both times half up in magnitude:
//   FormatFieldNumber(120, true)        -> "120.000"
//   FormatFieldNumber(0.0625, true)     -> "0.063"     // exact half, rounded up
//   FormatFieldNumber(0.0078125, false) -> "0.007813"
//   FormatFieldNumber(0.0115, true)     -> "0.012"     // 0.01149999... is 0.011500... at 17 digits
//   FormatFieldNumber(999.9996, true)   -> "1000.000"
//   FormatFieldNumber(-0.0, true)       -> "0.000"     // zero never has a sign
//   FormatFieldNumber(-0.0004, true)    -> "-0.000"    // a negative value keeps it
//   FormatFieldNumber(1e20, true)       -> "100000000000000000000.000"
// Every integer digit is written (up to 309), beyond the 17th as zeros; no exponent,
// grouping, "+" or padding.
//
// Values that are not ordinary numbers are written as words, which read back as 0:
//   FormatFieldNumber(+infinity, any) -> "inf"
//   FormatFieldNumber(-infinity, any) -> "-inf"
//   FormatFieldNumber(NaN, any)       -> "nan"
std::string FormatFieldNumber(double value, bool rounded);

// The shortest text that ParseFieldNumber reads back as exactly `value`: plain notation
// for magnitudes from 1e-6 to 1e21, an exponent otherwise. For a field that must carry a
// value at full precision (a loop's exact length):
//   FormatFieldNumberExactly(2.0)                 -> "2"
//   FormatFieldNumberExactly(4.000022675736962)   -> "4.000022675736962"
//   FormatFieldNumberExactly(0x1.ff844c1214bc8p+70) -> "2.3589548090142721e+21"
//       // 2.358954809014272e+21 is halfway to the double below: it would read as that one
// A subnormal value has no such text (it reads as 0); infinities and NaN are written as
// FormatFieldNumber writes them.
std::string FormatFieldNumberExactly(double value);

}  // namespace core
