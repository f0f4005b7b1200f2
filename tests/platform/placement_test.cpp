// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/placement.h"

#include <gtest/gtest.h>

namespace {

using platform::Monitor;
using platform::PixelRect;
using platform::Point;

const Monitor kLeft{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}};          // a panel at the bottom
const Monitor kRight{{1920, 0, 1280, 1024}, {1920, 24, 1280, 1000}};  // a panel at the top

TEST(Placement, CentresOverTheOwnerInsideItsMonitorsWorkArea) {
  struct Case {
    const char* name;
    std::optional<PixelRect> owner;
    std::vector<Monitor> monitors;
    Point expected;
  };
  const Case cases[] = {
      {"centred over the owner", PixelRect{100, 100, 600, 400}, {kLeft}, {300, 250}},
      {"no owner: centred in the primary work area", std::nullopt, {kLeft, kRight}, {860, 470}},
      {"owner at the left edge", PixelRect{-150, 10, 100, 50}, {kLeft}, {0, 0}},
      {"owner near the bottom: above the panel",
       PixelRect{500, 1000, 200, 80},
       {kLeft},
       {500, 940}},
      {"owner on the second monitor", PixelRect{2000, 0, 300, 60}, {kLeft, kRight}, {2050, 24}},
      {"owner across both: the larger share wins",
       PixelRect{1800, 500, 400, 100},
       {kLeft, kRight},
       {1920, 500}},
      {"owner off every monitor: the closest one",
       PixelRect{4000, 300, 100, 100},
       {kLeft, kRight},
       {3000, 300}},
      {"no monitors at all", std::nullopt, {}, {0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(platform::PlaceDialog({200, 100}, c.owner, c.monitors), c.expected);
  }
}

TEST(Placement, WindowLargerThanTheWorkAreaKeepsItsTopLeftCorner) {
  EXPECT_EQ(platform::PlaceDialog({2500, 1200}, PixelRect{100, 100, 200, 200}, {kLeft}),
            (Point{0, 0}));
}

}  // namespace
