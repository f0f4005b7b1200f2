// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialog_units.h"

#include <cstdint>
#include <cstdlib>

namespace platform {

BaseUnits BaseUnitsFromFont(int lettersWidth, int height) {
  return {(lettersWidth / 26 + 1) / 2, height};
}

int MulDiv(int a, int b, int c) {
  const std::int64_t product = std::int64_t{a} * b;
  const std::int64_t half = std::abs(std::int64_t{c}) / 2;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t magnitude = (std::abs(product) + half) / std::abs(std::int64_t{c});
  return static_cast<int>(negative ? -magnitude : magnitude);
}

PixelRect ToPixels(const DialogRect& rect, const BaseUnits& units) {
  return {MulDiv(rect.x, units.horizontal, 4), MulDiv(rect.y, units.vertical, 8),
          MulDiv(rect.width, units.horizontal, 4), MulDiv(rect.height, units.vertical, 8)};
}

int HorizontalUnitFor(int dialogWidth, int pixels, int atLeast) {
  int unit = atLeast;
  if (dialogWidth <= 0) {
    return unit;
  }
  while (MulDiv(dialogWidth, unit, 4) < pixels) {
    ++unit;
  }
  return unit;
}

}  // namespace platform
