// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/field_number.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "tests/core/same_double.h"

namespace {

using core::FormatFieldNumber;
using core::ParseFieldNumber;

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ParseCase {
  std::string text;
  double expected;
  const char* why;
};

TEST(FieldNumberParse, ReadsTheLeadingNumberOnly) {
  const ParseCase cases[] = {
      {"", 0.0, "empty"},
      {"   ", 0.0, "blanks only"},
      {"abc", 0.0, "letters"},
      {".", 0.0, "a lone point"},
      {"-", 0.0, "a lone sign"},
      {"+", 0.0, "a lone sign"},
      {"-.", 0.0, "a sign with a lone point"},
      {"inf", 0.0, "no infinity word"},
      {"infinity", 0.0, "no infinity word"},
      {"nan", 0.0, "no nan word"},
      {"-inf", 0.0, "a sign before a letter is no number"},
      {"\t4", 4.0, "tab is white space"},
      {"\n\v\f\r 4", 4.0, "every ASCII white space"},
      {"4   ", 4.0, "trailing blanks"},
      {"\xA0"
       "4",
       0.0, "a no-break space is not white space"},
      {"+.5", 0.5, "sign then point"},
      {".5", 0.5, "no integer digits"},
      {"5.", 5.0, "no decimals"},
      {"-.5", -0.5, "negative fraction"},
      {"- 5", 0.0, "a sign must touch the mantissa"},
      {"+-5", 0.0, "two signs"},
      {"1,5", 1.0, "comma is not a separator"},
      {"120 BPM", 120.0, "trailing text"},
      {"2s", 2.0, "trailing unit"},
      {"5-3", 5.0, "no arithmetic"},
      {"1e2", 100.0, "e"},
      {"1E2", 100.0, "E"},
      {"1d2", 100.0, "d works like e"},
      {"1D2", 100.0, "D works like E"},
      {"1e", 1.0, "letter without digits"},
      {"1e+", 1.0, "letter and sign without digits"},
      {"1e-", 1.0, "letter and sign without digits"},
      {"1ex", 1.0, "letter then junk"},
      {"1e 2", 1.0, "no blank inside the exponent"},
      {".e2", 0.0, "an exponent needs a mantissa digit"},
      {"2.5e-1", 0.25, "negative exponent"},
      {"25e-2", 0.25, "integer with negative exponent"},
      {"1.5d+1", 15.0, "d with a sign"},
      {"0x10", 0.0, "no hexadecimal: the 0 is the number"},
      {"0x1A", 0.0, "no hexadecimal"},
      {"007", 7.0, "leading zeros"},
      {"1e400", kInf, "overflow keeps the sign"},
      {"-1e400", -kInf, "overflow keeps the sign"},
      {"1e-400", 0.0, "underflow"},
      {"1e-310", 0.0, "subnormal range gives zero"},
      {"-1e-310", -0.0, "subnormal range gives zero"},
      {"2.2250738585072014e-308", 0x1p-1022, "the smallest normal"},
      {"2.2250738585072011e-308", 0.0, "just below the smallest normal"},
      {"1.7976931348623157e308", 0x1.fffffffffffffp+1023, "the largest double"},
      {"1.7976931348623158e308", 0x1.fffffffffffffp+1023, "below the midpoint above it"},
      {"1.797693134862315808e308", kInf, "above that midpoint"},
      {"1e5201", kInf, "the clamp still overflows"},
      {"1e99999999999999999999999", kInf, "the clamp keeps a huge exponent finite"},
      {"1e-99999999999999999999999", 0.0, "and a huge negative one"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.text << "\": " << c.why);
    EXPECT_TRUE(SameDouble(ParseFieldNumber(c.text), c.expected));
  }
}

TEST(FieldNumberParse, NegativeZeroComparesEqualToZero) {
  EXPECT_EQ(ParseFieldNumber("-0"), 0.0);
  EXPECT_EQ(ParseFieldNumber("-0.000e5"), 0.0);
}

// Where the C library's strtod rounds differently. Each row says why.
TEST(FieldNumberParse, DiffersFromCorrectRoundingWhereTheRulesSay) {
  const ParseCase cases[] = {
      {"9007199254740995", 9007199254740994.0, "2^53+3 is a tie: toward zero, not to even"},
      {"9007199254740993", 9007199254740992.0, "2^53+1 is a tie: toward zero (even agrees)"},
      {"-9007199254740995", -9007199254740994.0, "toward zero for negatives too"},
      {"9007199254740993.000000004", 9007199254740992.0,
       "the 25th digit 4 is dropped, leaving an exact tie"},
      {"9007199254740993.0000000049", 9007199254740992.0,
       "digits after the 25th never count, not even to break a tie"},
      {"9007199254740994.999999995", 9007199254740994.0,
       "the 25th digit 5 rounds up to exactly 2^53+3, a tie: toward zero"},
      {"1000000000000000000000001", 1e24, "25 digits: the last one only scales"},
      {"123456789012345678901234999e-3", 123456789012345678901235.0, "the 25th digit 9 rounds up"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.text << "\": " << c.why);
    EXPECT_TRUE(SameDouble(ParseFieldNumber(c.text), c.expected));
  }
}

TEST(FieldNumberParse, LongTextsCostLittleAndReadRight) {
  constexpr std::size_t kSize = 8 << 20;
  std::string digits(kSize, '7');
  EXPECT_TRUE(SameDouble(ParseFieldNumber(digits), kInf));
  std::string zeros = "0." + std::string(kSize, '0') + "1";
  EXPECT_TRUE(SameDouble(ParseFieldNumber(zeros), 0.0));
  // The exponent is clamped as it is read, before the zeros are counted against it.
  std::string scaled = "0." + std::string(kSize, '0') + "1e" + std::to_string(kSize + 1);
  EXPECT_TRUE(SameDouble(ParseFieldNumber(scaled), 0.0));
  std::string withinClamp = "0." + std::string(5000, '0') + "1e5001";
  EXPECT_TRUE(SameDouble(ParseFieldNumber(withinClamp), 1.0));
  std::string exponent = "1e" + std::string(kSize, '9');
  EXPECT_TRUE(SameDouble(ParseFieldNumber(exponent), kInf));
  std::string junk = "12.5" + std::string(kSize, 'x');
  EXPECT_TRUE(SameDouble(ParseFieldNumber(junk), 12.5));
  std::string decimals = "3." + std::string(kSize, '3');
  EXPECT_TRUE(SameDouble(ParseFieldNumber(decimals), 3.3333333333333335));
}

struct FormatCase {
  double value;
  const char* rounded;
  const char* full;
  const char* why;
};

TEST(FieldNumberFormat, WritesFixedNotationHalfUp) {
  const FormatCase cases[] = {
      {120, "120.000", "120.000000", "an integer"},
      {2.6666666666666665, "2.667", "2.666667", "a repeating fraction"},
      {0.0625, "0.063", "0.062500", "an exact half rounds up, not to even"},
      {0.0078125, "0.008", "0.007813", "likewise at the sixth decimal"},
      {0.0115, "0.012", "0.011500", "0.011499999... becomes 0.0115 at 17 digits first"},
      {-0.0004, "-0.000", "-0.000400", "a negative that rounds to zero keeps its sign"},
      {-0.0, "0.000", "0.000000", "zero never has one"},
      {0.0, "0.000", "0.000000", "zero"},
      {999.9996, "1000.000", "999.999600", "the carry adds an integer digit"},
      {0.9996, "1.000", "0.999600", "the carry reaches the units"},
      {0.0005, "0.001", "0.000500", "a half at the fourth decimal"},
      {0.0004999, "0.000", "0.000500", "just below a half"},
      {-120, "-120.000", "-120.000000", "a negative integer"},
      {94.28571428571428, "94.286", "94.285714", "the order of ConvertBeats' steps"},
      {1e20, "100000000000000000000.000", "100000000000000000000.000000", "every integer digit"},
      {0x1p70, "1180591620717411300000.000", "1180591620717411300000.000000",
       "zeros past the 17th digit"},
      {0x1p-1074, "0.000", "0.000000", "the smallest subnormal"},
      {-0x1p-1074, "-0.000", "-0.000000", "a negative subnormal keeps its sign"},
      {1e-7, "0.000", "0.000000", "below both precisions"},
      {5e-7, "0.000", "0.000000", "4.99999999999999977e-7: 4.9999999999999998e-7 at 17 digits"},
      {1.5e-6, "0.000", "0.000002", "a half at the seventh decimal"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << std::hexfloat << c.value << std::defaultfloat << ": " << c.why);
    EXPECT_EQ(FormatFieldNumber(c.value, true), c.rounded);
    EXPECT_EQ(FormatFieldNumber(c.value, false), c.full);
  }
}

TEST(FieldNumberFormat, WritesEveryIntegerDigitOfTheLargestDouble) {
  const std::string text = FormatFieldNumber(std::numeric_limits<double>::max(), true);
  EXPECT_EQ(text, "17976931348623157" + std::string(292, '0') + ".000");
  EXPECT_EQ(FormatFieldNumber(-std::numeric_limits<double>::max(), false).size(), 1 + 309 + 7u);
}

TEST(FieldNumberFormat, WritesWordsForValuesThatAreNoNumbers) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (bool rounded : {true, false}) {
    EXPECT_EQ(FormatFieldNumber(kInf, rounded), "inf");
    EXPECT_EQ(FormatFieldNumber(-kInf, rounded), "-inf");
    EXPECT_EQ(FormatFieldNumber(nan, rounded), "nan");
    EXPECT_EQ(FormatFieldNumber(-nan, rounded), "nan");
    // Typed back into a field, none of them is a number the commands would accept.
    EXPECT_EQ(ParseFieldNumber(FormatFieldNumber(kInf, rounded)), 0.0);
    EXPECT_EQ(ParseFieldNumber(FormatFieldNumber(nan, rounded)), 0.0);
  }
}

}  // namespace

namespace {

TEST(FieldNumberExactly, ReadsBackAsTheVeryDouble) {
  struct Case {
    double value;
    const char* text;
    const char* why;
  };
  const Case cases[] = {
      {2.0, "2", "an integer"},
      {4.000022675736962, "4.000022675736962", "a loop of 176401 frames at 44100 Hz"},
      {0.1, "0.1", "the shortest digits"},
      {-2.5, "-2.5", "a sign"},
      {1e-7, "1e-07", "small values take an exponent"},
      {32058749767306952.0, "32058749767306952", "an integer beyond 2^53"},
      {0x1.ff844c1214bc8p+70, "2.3589548090142721e+21",
       "the shortest digits, 2.358954809014272e+21, are a tie that reads toward zero"},
      {0x1p-1022, "2.2250738585072014e-308", "the smallest normal"},
      {std::numeric_limits<double>::max(), "1.7976931348623157e+308", "the largest"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(core::FormatFieldNumberExactly(c.value), c.text);
    EXPECT_TRUE(SameDouble(ParseFieldNumber(core::FormatFieldNumberExactly(c.value)), c.value));
  }
}

TEST(FieldNumberExactly, EveryNormalDoubleReadsBack) {
#ifdef TREMLET_SLOW_TESTS
  constexpr int kRounds = 5000000;
#else
  constexpr int kRounds = 50000;
#endif
  std::mt19937_64 random(20261211);
  for (int i = 0; i < kRounds; ++i) {
    const double value = std::bit_cast<double>(random());
    if (!std::isnormal(value)) {
      continue;
    }
    const std::string text = core::FormatFieldNumberExactly(value);
    ASSERT_TRUE(SameDouble(ParseFieldNumber(text), value)) << text;
  }
}

}  // namespace
