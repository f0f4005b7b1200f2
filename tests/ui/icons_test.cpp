// SPDX-License-Identifier: GPL-3.0-or-later
// The program's pictures stay readable on a dark window or panel as on a light one: their
// outlines are dark, with a light edge around them.

#include <gtest/gtest.h>

#include "platform/testing/dialog_driver.h"
#include "res/resource.h"

namespace {

namespace drive = platform::testing;

double Luminance(std::uint32_t argb) {
  const double r = (argb >> 16) & 0xFF;
  const double g = (argb >> 8) & 0xFF;
  const double b = argb & 0xFF;
  return (0.2126 * r + 0.7152 * g + 0.0722 * b) / 255;
}

bool Opaque(std::uint32_t argb) {
  return (argb >> 24) >= 0x80;
}

// The share of a picture's outermost pixels (opaque, next to a transparent one or the
// picture's edge) that are light: what shows against a dark background.
double LightEdgeShare(const drive::Image& image) {
  int edge = 0;
  int light = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (!Opaque(image.At(x, y))) {
        continue;
      }
      bool outer = false;
      for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        const int nx = x + dx;
        const int ny = y + dy;
        outer = outer || nx < 0 || ny < 0 || nx >= image.width || ny >= image.height ||
                !Opaque(image.At(nx, ny));
      }
      if (outer) {
        ++edge;
        light += Luminance(image.At(x, y)) >= 0.6 ? 1 : 0;
      }
    }
  }
  return edge > 0 ? static_cast<double>(light) / edge : 0;
}

TEST(Icons, HaveALightEdgeForDarkBackgrounds) {
  for (const UINT group : {UINT{IDR_MAINFRAME}, UINT{IDI_EMBLEM}}) {
    for (const int size : {32, 64}) {
      SCOPED_TRACE(testing::Message() << "icon group " << group << " at " << size << " px");
      const drive::Image image = drive::IconImage(group, size);
      ASSERT_EQ(image.width, size);
      EXPECT_GE(LightEdgeShare(image), 0.6);
    }
  }
}

}  // namespace
