// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialog_units.h"

#include <gtest/gtest.h>

namespace {

using platform::BaseUnits;
using platform::PixelRect;

TEST(DialogUnits, BaseUnitsAverageTheFiftyTwoLetters) {
  EXPECT_EQ(platform::BaseUnitsFromFont(312, 13), (BaseUnits{6, 13}));  // 12 per pair: 6
  EXPECT_EQ(platform::BaseUnitsFromFont(338, 13), (BaseUnits{7, 13}));  // 13 per pair: 7
  EXPECT_EQ(platform::BaseUnitsFromFont(337, 13), (BaseUnits{6, 13}));  // the pair width truncates
  EXPECT_EQ(platform::BaseUnitsFromFont(363, 14), (BaseUnits{7, 14}));
}

TEST(DialogUnits, MulDivRoundsHalvesAwayFromZero) {
  struct Case {
    int a, b, c, expected;
  };
  const Case cases[] = {
      {241, 6, 4, 362},   // 361.5
      {7, 6, 4, 11},      // 10.5
      {125, 13, 8, 203},  // 203.125
      {-7, 6, 4, -11},   {3, 1, 2, 2}, {0, 5, 4, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " * " << c.b << " / " << c.c);
    EXPECT_EQ(platform::MulDiv(c.a, c.b, c.c), c.expected);
  }
}

TEST(DialogUnits, RectanglesScaleByQuartersAndEighths) {
  EXPECT_EQ(platform::ToPixels({7, 102, 59, 16}, {6, 13}), (PixelRect{11, 166, 89, 26}));
  EXPECT_EQ(platform::ToPixels({0, 0, 241, 125}, {7, 14}), (PixelRect{0, 0, 422, 219}));
}

TEST(DialogUnits, TheHorizontalUnitGrowsUntilTheTextFits) {
  EXPECT_EQ(platform::HorizontalUnitFor(60, 105, 7), 7);
  EXPECT_EQ(platform::HorizontalUnitFor(60, 106, 7), 8);
  EXPECT_EQ(platform::HorizontalUnitFor(60, 120, 7), 8);
  EXPECT_EQ(platform::HorizontalUnitFor(60, 121, 7), 9);
  EXPECT_EQ(platform::HorizontalUnitFor(60, 10, 7), 7);  // never narrower
  EXPECT_EQ(platform::HorizontalUnitFor(0, 50, 7), 7);   // nothing to widen
}

}  // namespace
