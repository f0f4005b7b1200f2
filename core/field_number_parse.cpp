// SPDX-License-Identifier: GPL-3.0-or-later
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/big_unsigned.h"
#include "core/double_anatomy.h"
#include "core/field_number.h"

namespace core {
namespace {

// Digits of the text that count; the next one only rounds the last of them.
constexpr int kKeptDigits = 24;
constexpr std::int64_t kExponentClamp = 5201;

constexpr bool IsFieldSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
constexpr int DigitValue(char c) {
  return c - '0';
}

// The number as read: digits * 10^exponent, digits < 10^24 + 1.
struct Decimal {
  UInt128 digits = 0;
  std::int64_t exponent = 0;
  bool negative = false;
  bool found = false;
};

Decimal ScanDecimal(std::string_view text) noexcept {
  Decimal number;
  std::size_t i = 0;
  const std::size_t end = text.size();
  while (i < end && IsFieldSpace(text[i])) {
    ++i;
  }
  if (i < end && (text[i] == '+' || text[i] == '-')) {
    number.negative = text[i] == '-';
    ++i;
  }

  int kept = 0;  // significant digits taken so far; the 25th only decides the rounding
  bool roundUp = false;
  bool anyDigit = false;
  for (; i < end && IsDigit(text[i]); ++i) {
    anyDigit = true;
    const int digit = DigitValue(text[i]);
    if (kept == 0 && digit == 0) {
      continue;  // leading zeros are not significant
    }
    if (kept < kKeptDigits) {
      number.digits = number.digits * 10 + static_cast<unsigned>(digit);
      ++kept;
    } else {
      if (kept == kKeptDigits) {
        roundUp = digit >= 5;
        ++kept;
      }
      ++number.exponent;  // an integer digit we drop still counts for the magnitude
    }
  }
  if (i < end && text[i] == '.') {
    for (++i; i < end && IsDigit(text[i]); ++i) {
      anyDigit = true;
      const int digit = DigitValue(text[i]);
      if (kept == 0 && digit == 0) {
        --number.exponent;
      } else if (kept < kKeptDigits) {
        number.digits = number.digits * 10 + static_cast<unsigned>(digit);
        ++kept;
        --number.exponent;
      } else if (kept == kKeptDigits) {
        roundUp = digit >= 5;
        ++kept;
      }
    }
  }
  if (!anyDigit) {
    return Decimal{};  // a sign or "." alone, or no number at all
  }
  number.found = true;
  if (roundUp) {
    ++number.digits;
  }

  // The exponent counts only when its letter is followed by a digit, after an optional sign.
  if (i < end && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < end && (text[j] == '+' || text[j] == '-')) {
      negativeExponent = text[j] == '-';
      ++j;
    }
    if (j < end && IsDigit(text[j])) {
      std::int64_t exponent = 0;
      for (; j < end && IsDigit(text[j]); ++j) {
        exponent = std::min(exponent * 10 + DigitValue(text[j]), kExponentClamp);
      }
      number.exponent += negativeExponent ? -exponent : exponent;
    }
  }
  return number;
}

int DecimalDigitCount(UInt128 value) {
  int count = 0;
  for (; value != 0; value /= 10) {
    ++count;
  }
  return count;
}

// Sign of digits * 10^exp10 - mantissa * 2^exp2, computed exactly.
int CompareWithBinary(UInt128 digits, int exp10, std::uint64_t mantissa, int exp2) {
  BigUnsigned lhs(digits);
  BigUnsigned rhs(mantissa);
  if (exp10 >= 0) {
    lhs.MultiplyPow5(exp10);
  } else {
    rhs.MultiplyPow5(-exp10);
  }
  // 10^exp10 = 5^exp10 * 2^exp10: move the net power of two to the side where it is positive.
  const int twos = exp10 - exp2;
  if (twos >= 0) {
    lhs.ShiftLeft(twos);
  } else {
    rhs.ShiftLeft(-twos);
  }
  return Compare(lhs, rhs);
}

// Rounds an integer to the nearest double, a tie going toward zero.
double RoundIntegerTowardZeroOnTie(UInt128 value) {
  if (value < (UInt128{1} << 53)) {
    return static_cast<double>(static_cast<std::uint64_t>(value));
  }
  const auto high = static_cast<std::uint64_t>(value >> 64);
  const int bits = high != 0 ? 128 - std::countl_zero(high)
                             : 64 - std::countl_zero(static_cast<std::uint64_t>(value));
  const int drop = bits - 53;
  auto mantissa = static_cast<std::uint64_t>(value >> drop);
  const UInt128 rest = value & ((UInt128{1} << drop) - 1);
  const UInt128 half = UInt128{1} << (drop - 1);
  if (rest > half) {
    ++mantissa;
  }
  return std::ldexp(static_cast<double>(mantissa), drop);
}

constexpr double kExactPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// digits * 10^exponent (digits > 0) to the nearest double, ties toward zero, with the
// range rules: above the largest double an infinity, below the smallest normal zero.
double DecimalToDouble(UInt128 digits, std::int64_t exponent) {
  // Common field texts first. An integer that fits in 128 bits rounds directly. A
  // quotient of two exactly representable integers is never a tie between two doubles
  // (its exact value is not a dyadic fraction unless it is representable), so one IEEE
  // division gives our rounding too.
  if (exponent >= 0 && exponent <= 38) {
    UInt128 scaled = digits;
    bool fits = true;
    for (std::int64_t e = 0; e < exponent && fits; ++e) {
      fits = scaled <= ~UInt128{0} / 10;
      scaled *= 10;
    }
    if (fits) {
      return RoundIntegerTowardZeroOnTie(scaled);
    }
  } else if (exponent < 0 && exponent >= -22 && digits <= (UInt128{1} << 53)) {
    return static_cast<double>(static_cast<std::uint64_t>(digits)) /
           kExactPow10[static_cast<std::size_t>(-exponent)];
  }

  // The value lies in [10^(n-1+exponent), 10^(n+exponent)).
  const std::int64_t magnitude = DecimalDigitCount(digits) + exponent;
  if (magnitude - 1 >= 309) {
    return std::numeric_limits<double>::infinity();
  }
  if (magnitude <= -308) {
    return 0.0;
  }
  const int exp10 = static_cast<int>(exponent);
  if (magnitude > 300 &&
      CompareWithBinary(digits, exp10, kOverflowMidpoint.mantissa, kOverflowMidpoint.exp2) > 0) {
    return std::numeric_limits<double>::infinity();
  }
  if (magnitude <= -300 && CompareWithBinary(digits, exp10, 1, -1022) < 0) {
    return 0.0;
  }

  // A close first guess in extended precision, then exact steps of one unit in the last
  // place until the value lies between the two midpoints around the guess.
  long double guess = static_cast<long double>(digits) * std::pow(10.0L, exp10);
  guess = std::fmin(std::fmax(guess, static_cast<long double>(kSmallestNormal)),
                    static_cast<long double>(kLargest));
  auto candidate = static_cast<double>(guess);
  for (;;) {
    // The candidate is never below the smallest normal, so it has its hidden bit.
    const DoubleParts parts = Decompose(candidate);
    const std::uint64_t mantissa = parts.mantissa;
    const int exp2 = parts.exp2;
    if (CompareWithBinary(digits, exp10, 2 * mantissa + 1, exp2 - 1) > 0) {
      candidate = std::nextafter(candidate, kLargest);
      continue;
    }
    if (candidate == kSmallestNormal) {
      break;
    }
    // Below a power of two the spacing halves, so the lower midpoint is a quarter step away.
    const int below = mantissa == kHiddenBit
                          ? CompareWithBinary(digits, exp10, 4 * mantissa - 1, exp2 - 2)
                          : CompareWithBinary(digits, exp10, 2 * mantissa - 1, exp2 - 1);
    if (below <= 0) {
      candidate = std::nextafter(candidate, 0.0);
      continue;
    }
    break;
  }
  return candidate;
}

}  // namespace

double ParseFieldNumber(std::string_view text) noexcept {
  const Decimal number = ScanDecimal(text);
  if (!number.found || number.digits == 0) {
    return number.negative ? -0.0 : 0.0;
  }
  const double magnitude = DecimalToDouble(number.digits, number.exponent);
  return number.negative ? -magnitude : magnitude;
}

}  // namespace core
