// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A fixed-capacity unsigned integer for the exact corners of the field-number
// conversions: comparing a decimal value with a point between two doubles, and writing
// out the full decimal expansion of a double. Internal to core.

#include <array>
#include <cstdint>
#include <string>

#include "core/double_anatomy.h"

namespace core {

class BigUnsigned {
 public:
  // 3072 bits: the largest number ever built is a subnormal mantissa times 5^1074
  // (about 2550 bits) when a double is written out in full.
  static constexpr int kCapacity = 96;

  BigUnsigned() = default;
  explicit BigUnsigned(UInt128 value);

  void MultiplySmall(std::uint32_t factor);
  void MultiplyPow5(int exponent);
  void ShiftLeft(int bits);
  // Divides in place and returns the remainder.
  std::uint32_t DivideSmall(std::uint32_t divisor);

  bool IsZero() const { return size_ == 0; }
  // Appends the decimal digits, most significant first; nothing for zero.
  void AppendDecimal(std::string& out) const;

  friend int Compare(const BigUnsigned& a, const BigUnsigned& b);

 private:
  void Trim();

  std::array<std::uint32_t, kCapacity> limbs_{};  // least significant first
  int size_ = 0;
};

}  // namespace core
