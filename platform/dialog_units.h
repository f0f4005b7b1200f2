// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dialog units to pixels. A dialog's base units come from its font: the horizontal one is
// the average width of the 52 letters A-Z and a-z, rounded, and the vertical one the
// font's height. A horizontal dialog unit is a quarter of the first, a vertical one an
// eighth of the second, each conversion rounding to the nearest pixel.
//
//   BaseUnitsFromFont(312, 13)            -> {6, 13}   // (312 / 26 + 1) / 2 = 6
//   ToPixels({241, 125, ...}, {6, 13})    -> 362 x 203 // 241 * 6 / 4 = 361.5 -> 362
//   ToPixels({7, 102, 59, 16}, {6, 13})   -> x 11, y 166, 89 x 26

#include "platform/dialog_template.h"

namespace platform {

struct BaseUnits {
  int horizontal = 0;
  int vertical = 0;

  friend bool operator==(const BaseUnits&, const BaseUnits&) = default;
};

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// `lettersWidth` is the width in pixels of "A...Za...z" in the dialog font; `height` its
// height (ascent plus descent).
BaseUnits BaseUnitsFromFont(int lettersWidth, int height);

// a * b / c, rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c);

PixelRect ToPixels(const DialogRect& rect, const BaseUnits& units);

// The smallest horizontal base unit from `atLeast` up at which something `dialogWidth`
// units wide is at least `pixels` wide, so that a text wider than the template's font
// made it still fits:
//   HorizontalUnitFor(60, 105, 7) -> 7    // 60 units are 105 px at 7
//   HorizontalUnitFor(60, 112, 7) -> 8    // and 120 px at 8
int HorizontalUnitFor(int dialogWidth, int pixels, int atLeast);

}  // namespace platform
