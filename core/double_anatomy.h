// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to core: an IEEE double taken apart into an integer mantissa and a power of
// two, with the range limits the field-number conversions work against.

#include <bit>
#include <cstdint>
#include <limits>

namespace core {

__extension__ using UInt128 = unsigned __int128;

inline constexpr int kFractionBits = 52;
inline constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << kFractionBits;
inline constexpr double kSmallestNormal = 0x1p-1022;
inline constexpr double kLargest = std::numeric_limits<double>::max();

// value = mantissa * 2^exp2, exactly. `normal` is false for zero and the subnormals,
// whose mantissa has no hidden bit.
struct DoubleParts {
  std::uint64_t mantissa;
  int exp2;
  bool normal;
};

// For a finite, non-negative value.
constexpr DoubleParts Decompose(double magnitude) noexcept {
  // The biased exponent of the integer mantissa: 1023 for the point, 52 fraction bits.
  constexpr int kIntegerBias = 1023 + kFractionBits;
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const int biasedExponent = static_cast<int>(bits >> kFractionBits);
  const std::uint64_t fraction = bits & (kHiddenBit - 1);
  if (biasedExponent == 0) {
    return {fraction, 1 - kIntegerBias, false};
  }
  return {fraction | kHiddenBit, biasedExponent - kIntegerBias, true};
}

// Halfway between the largest double and 2^1024, (2^54 - 1) * 2^970: a decimal value
// above it reads as an infinity; at or below it, as the largest double.
inline constexpr DoubleParts kOverflowMidpoint{(std::uint64_t{1} << 54) - 1, 970, true};

}  // namespace core
