// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/big_unsigned.h"

#include <cassert>

namespace core {

BigUnsigned::BigUnsigned(UInt128 value) {
  while (value != 0) {
    limbs_[static_cast<std::size_t>(size_++)] = static_cast<std::uint32_t>(value);
    value >>= 32;
  }
}

void BigUnsigned::Trim() {
  while (size_ > 0 && limbs_[static_cast<std::size_t>(size_ - 1)] == 0) {
    --size_;
  }
}

void BigUnsigned::MultiplySmall(std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (int i = 0; i < size_; ++i) {
    auto& limb = limbs_[static_cast<std::size_t>(i)];
    const std::uint64_t product = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0) {
    assert(size_ < kCapacity);
    limbs_[static_cast<std::size_t>(size_++)] = static_cast<std::uint32_t>(carry);
  }
  Trim();
}

void BigUnsigned::MultiplyPow5(int exponent) {
  constexpr std::uint32_t kPow5To13 = 1220703125;  // the largest power of 5 in 32 bits
  for (; exponent >= 13; exponent -= 13) {
    MultiplySmall(kPow5To13);
  }
  std::uint32_t rest = 1;
  for (; exponent > 0; --exponent) {
    rest *= 5;
  }
  MultiplySmall(rest);
}

void BigUnsigned::ShiftLeft(int bits) {
  if (size_ == 0 || bits == 0) {
    return;
  }
  const int limbShift = bits / 32;
  const int bitShift = bits % 32;
  assert(size_ + limbShift + 1 <= kCapacity);
  auto at = [this](int i) -> std::uint32_t& { return limbs_[static_cast<std::size_t>(i)]; };
  if (bitShift == 0) {
    for (int i = size_ - 1; i >= 0; --i) {
      at(i + limbShift) = at(i);
    }
  } else {
    at(size_ + limbShift) = 0;
    for (int i = size_ - 1; i >= 0; --i) {
      at(i + limbShift + 1) |= at(i) >> (32 - bitShift);
      at(i + limbShift) = at(i) << bitShift;
    }
  }
  for (int i = 0; i < limbShift; ++i) {
    at(i) = 0;
  }
  size_ += limbShift + 1;
  Trim();
}

std::uint32_t BigUnsigned::DivideSmall(std::uint32_t divisor) {
  std::uint64_t remainder = 0;
  for (int i = size_ - 1; i >= 0; --i) {
    auto& limb = limbs_[static_cast<std::size_t>(i)];
    const std::uint64_t current = (remainder << 32) | limb;
    limb = static_cast<std::uint32_t>(current / divisor);
    remainder = current % divisor;
  }
  Trim();
  return static_cast<std::uint32_t>(remainder);
}

void BigUnsigned::AppendDecimal(std::string& out) const {
  // Peel off nine digits at a time from the low end, then write the groups high first.
  BigUnsigned rest = *this;
  std::array<std::uint32_t, kCapacity * 32 / 29 + 1> groups{};
  std::size_t count = 0;
  while (!rest.IsZero()) {
    groups[count++] = rest.DivideSmall(1000000000);
  }
  for (std::size_t g = count; g-- > 0;) {
    char buffer[9];
    std::uint32_t value = groups[g];
    for (int i = 8; i >= 0; --i) {
      buffer[i] = static_cast<char>('0' + value % 10);
      value /= 10;
    }
    int first = 0;
    if (g == count - 1) {
      while (first < 8 && buffer[first] == '0') {
        ++first;
      }
    }
    out.append(buffer + first, static_cast<std::size_t>(9 - first));
  }
}

int Compare(const BigUnsigned& a, const BigUnsigned& b) {
  if (a.size_ != b.size_) {
    return a.size_ < b.size_ ? -1 : 1;
  }
  for (int i = a.size_ - 1; i >= 0; --i) {
    const auto x = a.limbs_[static_cast<std::size_t>(i)];
    const auto y = b.limbs_[static_cast<std::size_t>(i)];
    if (x != y) {
      return x < y ? -1 : 1;
    }
  }
  return 0;
}

}  // namespace core
