// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/big_unsigned.h"
#include "core/double_anatomy.h"
#include "core/field_number.h"

namespace core {
namespace {

// The value is first cut to this many significant digits.
constexpr int kShownSignificantDigits = 17;
// One digit past the 17th decides its rounding; later digits never matter to a half-up
// rule, so a truncated expansion of 18 digits is enough.
constexpr int kDigitsNeeded = kShownSignificantDigits + 1;

template <typename T, std::size_t N>
constexpr std::array<T, N> Powers(T base) {
  std::array<T, N> powers{};
  powers[0] = 1;
  for (std::size_t i = 1; i < N; ++i) {
    powers[i] = powers[i - 1] * base;
  }
  return powers;
}

constexpr auto kPow5 = Powers<UInt128, 32>(5);  // 5^31 * 2^53 still fits in 128 bits
constexpr auto kPow10 = Powers<std::uint64_t, 20>(10);

constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// Writes `value` right to left ending just before `end`, padded with zeros to at least
// `minDigits`; returns where the digits start.
char* WriteBackward(std::uint64_t value, char* end, int minDigits) {
  char* out = end;
  for (; value >= 100; value /= 100) {
    const auto pair = static_cast<std::size_t>(value % 100) * 2;
    *--out = kDigitPairs[pair + 1];
    *--out = kDigitPairs[pair];
  }
  if (value >= 10) {
    *--out = kDigitPairs[static_cast<std::size_t>(value) * 2 + 1];
    *--out = kDigitPairs[static_cast<std::size_t>(value) * 2];
  } else if (value > 0 || out == end) {
    *--out = static_cast<char>('0' + value);
  }
  while (end - out < minDigits) {
    *--out = '0';
  }
  return out;
}

// floor(magnitude * 10^scale) with exactly 18 digits, truncated.
struct Scaled {
  std::uint64_t digits;
  int scale;
};

// The everyday range, from about 1e-14 to 1e17: with 10^k <= magnitude < 10^(k+1),
// floor(magnitude * 10^(17 - k)) = floor(mantissa * 5^(17-k) * 2^(exp2 + 17 - k)), exact
// in 128 bits and 18 or 19 digits long.
std::optional<Scaled> ScaleEveryday(const DoubleParts& b) {
  if (!b.normal) {
    return std::nullopt;
  }
  // floor((exp2 + 52) * log10 2), or one more for some negative exponents.
  int lowerPow10 = ((b.exp2 + 52) * 78913) >> 18;
  for (int attempt = 0; attempt < 2; ++attempt, --lowerPow10) {
    const int scale = 17 - lowerPow10;
    const int shift = b.exp2 + scale;
    if (scale < 0 || scale >= static_cast<int>(kPow5.size()) || shift <= -128 || shift >= 64) {
      return std::nullopt;
    }
    const UInt128 product = UInt128{b.mantissa} * kPow5[static_cast<std::size_t>(scale)];
    const auto scaled =
        static_cast<std::uint64_t>(shift < 0 ? product >> -shift : product << shift);
    if (scaled >= kPow10[18]) {
      return Scaled{scaled / 10, scale - 1};
    }
    if (scaled >= kPow10[17]) {
      return Scaled{scaled, scale};
    }
    // The estimate of k came out one too large: only 17 digits, try one power lower.
  }
  return std::nullopt;
}

// Both roundings in integers, when the result has few enough digits: the common case.
std::optional<std::string> FormatEveryday(const DoubleParts& b, bool negative, int decimals) {
  const std::optional<Scaled> scaled = ScaleEveryday(b);
  if (!scaled) {
    return std::nullopt;
  }
  // 17 significant digits, half up: value = significant * 10^-(scale - 1).
  const std::uint64_t significant = scaled->digits / 10 + (scaled->digits % 10 >= 5 ? 1 : 0);
  const int drop = scaled->scale - 1 - decimals;  // digits to drop to reach the decimals
  if (drop < 0) {
    return std::nullopt;  // more integer digits than 64 bits hold with the decimals
  }
  std::uint64_t shown = significant;  // value * 10^decimals, half up
  if (drop > 19) {
    shown = 0;  // even the first dropped digit is a leading zero
  } else if (drop > 0) {
    const std::uint64_t withRoundingDigit =
        significant / kPow10[static_cast<std::size_t>(drop - 1)];
    shown = withRoundingDigit / 10 + (withRoundingDigit % 10 >= 5 ? 1 : 0);
  }
  const std::uint64_t unit = kPow10[static_cast<std::size_t>(decimals)];
  char text[32];
  char* const end = text + sizeof text;
  char* start = WriteBackward(shown % unit, end, decimals);
  *--start = '.';
  start = WriteBackward(shown / unit, start, 1);
  if (negative) {
    *--start = '-';
  }
  return std::string(start, end);
}

// Significant digits of a positive value: 0.d0d1d2... * 10^pointPosition.
struct DigitString {
  char digits[kDigitsNeeded + 2];
  int count = 0;
  int pointPosition = 0;
};

// The first 18 significant digits of the exact binary value, truncated.
DigitString LeadingDigits(const DoubleParts& b) {
  DigitString result;
  if (const std::optional<Scaled> scaled = ScaleEveryday(b)) {
    char* const end = result.digits + kDigitsNeeded;
    WriteBackward(scaled->digits, end, kDigitsNeeded);
    result.count = kDigitsNeeded;
    result.pointPosition = kDigitsNeeded - scaled->scale;
    return result;
  }
  // Huge or tiny: write the whole expansion out and keep its head.
  BigUnsigned exact(b.mantissa);
  int decimals = 0;
  if (b.exp2 >= 0) {
    exact.ShiftLeft(b.exp2);
  } else {
    exact.MultiplyPow5(-b.exp2);
    decimals = -b.exp2;
  }
  std::string all;
  exact.AppendDecimal(all);
  const int total = static_cast<int>(all.size());
  result.count = std::min(total, kDigitsNeeded);
  all.copy(result.digits, static_cast<std::size_t>(result.count));
  result.pointPosition = total - decimals;
  return result;
}

// Keeps the first `keep` digits, adding one to the last kept digit when the first
// dropped one is 5 or more. `keep` may be 0 (or less): then only a carry into a new
// leading digit can survive.
void RoundHalfUp(DigitString& number, int keep) {
  if (keep >= number.count) {
    return;
  }
  if (keep < 0) {
    number.count = 0;  // the first dropped digit is a leading zero
    return;
  }
  const bool up = number.digits[keep] >= '5';
  number.count = keep;
  if (!up) {
    return;
  }
  // Add one at the last kept digit: nines turn to zeros until a digit takes the carry.
  int i = keep - 1;
  while (i >= 0 && number.digits[i] == '9') {
    --i;
  }
  if (i >= 0) {
    ++number.digits[i];
    number.count = i + 1;
  } else {
    number.digits[0] = '1';
    number.count = 1;
    ++number.pointPosition;
  }
}

// The general case, digit by digit: huge values with up to 309 integer digits, tiny ones.
std::string FormatDigits(const DoubleParts& b, bool negative, int decimals) {
  DigitString number = LeadingDigits(b);
  RoundHalfUp(number, kShownSignificantDigits);
  RoundHalfUp(number, number.pointPosition + decimals);

  // Sign, integer digits (zeros past the significant ones), point, decimals.
  std::string text;
  if (negative) {
    text += '-';
  }
  const auto digitAt = [&number](int position) {
    return position >= 0 && position < number.count ? number.digits[position] : '0';
  };
  if (number.count == 0 || number.pointPosition <= 0) {
    text += '0';
  } else {
    for (int i = 0; i < number.pointPosition; ++i) {
      text += digitAt(i);
    }
  }
  text += '.';
  for (int i = 0; i < decimals; ++i) {
    text += digitAt(number.pointPosition + i);
  }
  return text;
}

}  // namespace

std::string FormatFieldNumber(double value, bool rounded) {
  if (std::isnan(value)) {
    return "nan";
  }
  if (std::isinf(value)) {
    return value < 0 ? "-inf" : "inf";
  }
  const int decimals = rounded ? 3 : 6;
  if (value == 0) {
    return rounded ? "0.000" : "0.000000";  // either zero, without a sign
  }
  const DoubleParts b = Decompose(std::fabs(value));
  const bool negative = value < 0;
  if (std::optional<std::string> text = FormatEveryday(b, negative, decimals)) {
    return *std::move(text);
  }
  return FormatDigits(b, negative, decimals);
}

}  // namespace core
