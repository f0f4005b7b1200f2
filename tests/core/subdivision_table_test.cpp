// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/subdivision_table.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "tests/core/same_double.h"

namespace {

using Texts = std::array<std::string, core::kSubdivisionRows>;

Texts TextsOf(double period, bool rounded) {
  const auto rows = core::BuildSubdivisionTable(period, rounded);
  Texts texts;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    texts[i] = rows[i].text;
  }
  return texts;
}

TEST(SubdivisionTable, LabelsDivisorsAndHalvedValues) {
  const auto rows = core::BuildSubdivisionTable(3.0, true);
  const char* const labels[] = {"1/2", "1/4", "1/8", "1/16", "1/32", "1/64", "1/128", "1/256"};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(labels[i]);
    EXPECT_EQ(rows[i].label, labels[i]);
    EXPECT_EQ(rows[i].divisor, 2 << i);
    EXPECT_TRUE(SameDouble(rows[i].seconds, 3.0 / (2 << i)));
  }
}

TEST(SubdivisionTable, TextsFollowTheFieldRules) {
  struct Case {
    double period;
    bool rounded;
    Texts texts;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {2, true, {"1.000", "0.500", "0.250", "0.125", "0.063", "0.031", "0.016", "0.008"}},
      {2,
       false,
       {"1.000000", "0.500000", "0.250000", "0.125000", "0.062500", "0.031250", "0.015625",
        "0.007813"}},
      {2.6666666666666665,
       true,
       {"1.333", "0.667", "0.333", "0.167", "0.083", "0.042", "0.021", "0.010"}},
      {3, true, {"1.500", "0.750", "0.375", "0.188", "0.094", "0.047", "0.023", "0.012"}},
      {-2, true, {"-1.000", "-0.500", "-0.250", "-0.125", "-0.063", "-0.031", "-0.016", "-0.008"}},
      {inf, true, {"inf", "inf", "inf", "inf", "inf", "inf", "inf", "inf"}},
      {std::nan(""), false, {"nan", "nan", "nan", "nan", "nan", "nan", "nan", "nan"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.period << " rounded=" << c.rounded);
    EXPECT_EQ(TextsOf(c.period, c.rounded), c.texts);
  }
}

TEST(SubdivisionTable, HalvingBelowTheNormalRangeLosesBitsStepByStep) {
  // Each row halves the previous row's double, so a subnormal row rounds again.
  const double period = 0x1.cd613d8f16adfp-1020;
  const auto rows = core::BuildSubdivisionTable(period, true);
  double expected = period;
  for (const auto& row : rows) {
    expected *= 0.5;
    EXPECT_TRUE(SameDouble(row.seconds, expected));
  }
  EXPECT_FALSE(SameDouble(rows[7].seconds, period / 256));
}

}  // namespace
