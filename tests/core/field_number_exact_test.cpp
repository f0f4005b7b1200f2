// SPDX-License-Identifier: GPL-3.0-or-later
// Field numbers against the exact reference on many generated inputs: ties, long digit
// strings, both ends of the double range, and the double roundings of the writer.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "core/field_number.h"
#include "tests/core/exact_decimal.h"

namespace {

#ifdef TREMLET_SLOW_TESTS
constexpr int kRounds = 200000;
#else
constexpr int kRounds = 3000;
#endif

__extension__ using UInt128 = unsigned __int128;

std::string ToDecimal(UInt128 value) {
  std::string text;
  do {
    text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
    value /= 10;
  } while (value != 0);
  return text;
}

// The parse result must be the double nearest to the text's exact value, a tie going
// toward zero, with zero below the normal range and an infinity above the largest double.
testing::AssertionResult ReadsAsNearest(const std::string& text) {
  const double actual = core::ParseFieldNumber(text);
  const exact::SignedDecimal expected = exact::ReadField(text);
  const auto fail = [&](const char* what) {
    return testing::AssertionFailure()
           << '"' << text << "\" read as " << std::hexfloat << actual << ": " << what;
  };
  if (std::signbit(actual) != expected.negative) {
    return fail("wrong sign");
  }
  static const exact::Decimal kSmallestNormal = exact::FromBinary(1, -1022);
  static const exact::Decimal kOverflow = exact::FromBinary((std::uint64_t{1} << 54) - 1, 970);
  const exact::Decimal& v = expected.value;
  if (v.IsZero() || exact::Compare(v, kSmallestNormal) < 0) {
    return actual == 0 ? testing::AssertionSuccess() : fail("expected zero");
  }
  if (exact::Compare(v, kOverflow) > 0) {
    return std::isinf(actual) ? testing::AssertionSuccess() : fail("expected infinity");
  }
  if (!std::isfinite(actual) || std::fabs(actual) < 0x1p-1022) {
    return fail("expected a normal double");
  }
  const exact::Binary b = exact::Decompose(actual);
  if (exact::Compare(v, exact::FromBinary(2 * b.mantissa + 1, b.exp2 - 1)) > 0) {
    return fail("value lies above the upper midpoint");
  }
  if (std::fabs(actual) > 0x1p-1022) {
    const exact::Decimal lower = b.mantissa == (std::uint64_t{1} << 52)
                                     ? exact::FromBinary(4 * b.mantissa - 1, b.exp2 - 2)
                                     : exact::FromBinary(2 * b.mantissa - 1, b.exp2 - 1);
    if (exact::Compare(v, lower) <= 0) {
      return fail("value lies at or below the lower midpoint");
    }
  }
  return testing::AssertionSuccess();
}

testing::AssertionResult WritesAsReference(double value) {
  for (const bool rounded : {true, false}) {
    const std::string actual = core::FormatFieldNumber(value, rounded);
    const std::string expected = exact::WriteField(value, rounded ? 3 : 6);
    if (actual != expected) {
      return testing::AssertionFailure()
             << std::hexfloat << value << " rounded=" << rounded << ": \"" << actual
             << "\", expected \"" << expected << '"';
    }
  }
  return testing::AssertionSuccess();
}

class FieldNumberExact : public testing::Test {
 protected:
  std::mt19937_64 random_{20261211};

  std::uint64_t Mantissa() {
    return (std::uint64_t{1} << 52) | (random_() & ((std::uint64_t{1} << 52) - 1));
  }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  std::string Digits(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
      text += static_cast<char>('0' + Between(0, 9));
    }
    return text;
  }
  // A random way to write an exponent: e, E, d or D, with or without a "+".
  std::string Exponent(std::int64_t value) {
    static const char* const kLetters[] = {"e", "E", "d", "D"};
    std::string sign = value < 0 ? "-" : (Between(0, 1) ? "+" : "");
    return kLetters[Between(0, 3)] + sign + std::to_string(std::abs(value));
  }
  double AnyFinite() {
    for (;;) {
      const double value = std::bit_cast<double>(random_());
      if (std::isfinite(value)) {
        return value;
      }
    }
  }
};

TEST_F(FieldNumberExact, ReadsIntegerTiesTowardZero) {
  for (int i = 0; i < kRounds; ++i) {
    // (2m + 1) * 2^k lies halfway between two doubles and has at most 24 digits.
    const UInt128 tie = UInt128{2 * Mantissa() + 1} << Between(0, 25);
    const std::string digits = ToDecimal(tie);
    const std::string pad(24 - std::min<std::size_t>(digits.size(), 24), '0');
    for (const std::string& text :
         {digits, "-" + digits,
          digits + "." + pad + "4",  // dropped 25th digit: still a tie
          digits + "." + pad + "5",  // rounds just above the tie
          ToDecimal(tie - 1) + "." + std::string(pad.size(), '9') + "5"}) {
      ASSERT_TRUE(ReadsAsNearest(text));
    }
  }
}

TEST_F(FieldNumberExact, ReadsFractionalTiesTowardZero) {
  for (int i = 0; i < kRounds; ++i) {
    // (2m + 1) / 2^j = (2m + 1) * 5^j / 10^j: j decimals, at most 24 digits for j <= 10.
    const int j = Between(1, 10);
    UInt128 scaled = 2 * Mantissa() + 1;
    for (int k = 0; k < j; ++k) {
      scaled *= 5;
    }
    std::string digits = ToDecimal(scaled);
    const std::string withPoint = digits.substr(0, digits.size() - static_cast<std::size_t>(j)) +
                                  "." + digits.substr(digits.size() - static_cast<std::size_t>(j));
    ASSERT_TRUE(ReadsAsNearest(withPoint));
    ASSERT_TRUE(ReadsAsNearest("-" + digits + Exponent(-j)));
  }
}

TEST_F(FieldNumberExact, ReadsLongDigitStrings) {
  for (int i = 0; i < kRounds; ++i) {
    const std::string head = Digits(Between(1, 40));
    const std::string tail = Digits(Between(0, 40));
    const std::string text =
        head + (Between(0, 1) ? "." : "") + tail + Exponent(Between(-340, 320));
    ASSERT_TRUE(ReadsAsNearest(text));
    ASSERT_TRUE(ReadsAsNearest("0.000" + head + tail + " s"));
  }
}

TEST_F(FieldNumberExact, ReadsNearBothEndsOfTheRange) {
  const double anchors[] = {0x1p-1022, std::numeric_limits<double>::max()};
  const exact::Decimal points[] = {
      exact::FromBinary(1, -1022),
      exact::FromBinary(3, -1023),  // the midpoint above the smallest normal
      exact::FromBinary((std::uint64_t{1} << 54) - 1, 970),  // the midpoint above the largest
  };
  for (const auto& point : points) {
    // Every prefix of the exact expansion, and the prefix with its last digit moved.
    for (std::size_t length = 1; length <= std::min<std::size_t>(point.digits.size(), 30);
         ++length) {
      std::string head = point.digits.substr(0, length);
      const std::int64_t exponent =
          point.exponent + static_cast<std::int64_t>(point.digits.size() - length);
      ASSERT_TRUE(ReadsAsNearest(head + "e" + std::to_string(exponent)));
      ASSERT_TRUE(ReadsAsNearest(exact::Increment(head) + "e" + std::to_string(exponent)));
    }
  }
  for (int i = 0; i < kRounds; ++i) {
    double value = anchors[i % 2];
    for (int step = Between(0, 1000); step > 0; --step) {
      value = std::nextafter(value, i % 2 ? 0.0 : 1.0);
    }
    const exact::Decimal d = exact::FromDouble(value);
    const std::size_t length = static_cast<std::size_t>(Between(15, 26));
    if (length < d.digits.size()) {
      const std::int64_t exponent =
          d.exponent + static_cast<std::int64_t>(d.digits.size() - length);
      ASSERT_TRUE(ReadsAsNearest(d.digits.substr(0, length) + Exponent(exponent)));
    }
  }
}

TEST_F(FieldNumberExact, ReadsTruncatedExpansionsOfAnyDouble) {
  for (int i = 0; i < kRounds; ++i) {
    const exact::Decimal d = exact::FromDouble(AnyFinite());
    if (d.IsZero()) {
      continue;
    }
    const std::size_t length = std::min(d.digits.size(), static_cast<std::size_t>(Between(1, 30)));
    const std::int64_t exponent = d.exponent + static_cast<std::int64_t>(d.digits.size() - length);
    ASSERT_TRUE(ReadsAsNearest(d.digits.substr(0, length) + Exponent(exponent)));
  }
}

TEST_F(FieldNumberExact, WritesAnyDouble) {
  for (int i = 0; i < kRounds; ++i) {
    ASSERT_TRUE(WritesAsReference(AnyFinite()));
  }
}

TEST_F(FieldNumberExact, WritesValuesAroundDecimalTies) {
  for (int i = 0; i < kRounds; ++i) {
    // The double nearest a decimal half at the 3rd, 6th or 17th digit, and its neighbours:
    // the cases where rounding twice differs from rounding once.
    const int decimals = (i % 3 == 0) ? 3 : (i % 3 == 1 ? 6 : Between(0, 16));
    const std::string text = Digits(Between(1, 6)) + "." + Digits(decimals) + "5";
    const double near = core::ParseFieldNumber(text);
    for (const double value :
         {near, std::nextafter(near, 0.0), std::nextafter(near, 1e300), -near}) {
      ASSERT_TRUE(WritesAsReference(value)) << "from " << text;
    }
  }
}

TEST_F(FieldNumberExact, WritesPowersOfTwoAndTheirNeighbours) {
  for (int e = -1074; e <= 1023; ++e) {
    const double power = std::ldexp(1.0, e);
    for (const double value : {power, std::nextafter(power, 0.0), std::nextafter(power, 1e308)}) {
      ASSERT_TRUE(WritesAsReference(value));
    }
  }
}

TEST_F(FieldNumberExact, WritingThenReadingStaysWithinTheShownPrecision) {
  for (int i = 0; i < kRounds; ++i) {
    const double value = std::ldexp(static_cast<double>(Mantissa()), Between(-80, 60));
    for (const bool rounded : {true, false}) {
      const double back = core::ParseFieldNumber(core::FormatFieldNumber(value, rounded));
      // Half the last decimal shown, the 17-digit cut, and the rounding of the read-back.
      const double ulp = std::nextafter(std::fabs(value), 1e308) - std::fabs(value);
      const double tolerance = (rounded ? 0.5e-3 : 0.5e-6) + std::fabs(value) * 1e-16 + ulp;
      ASSERT_LE(std::fabs(back - value), tolerance) << std::hexfloat << value;
    }
  }
}

}  // namespace
