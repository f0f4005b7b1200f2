// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <sstream>

// Bit-for-bit equality, so that -0 and 0 or two NaNs are told apart; failures print
// both values as hex floats.
inline testing::AssertionResult SameDouble(double actual, double expected) {
  if (std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected)) {
    return testing::AssertionSuccess();
  }
  std::ostringstream message;
  message << std::hexfloat << actual << " (" << std::defaultfloat;
  message.precision(17);
  message << actual << "), expected " << std::hexfloat << expected << " (" << std::defaultfloat
          << expected << ")";
  return testing::AssertionFailure() << message.str();
}
