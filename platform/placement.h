// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a dialog opens. Pure arithmetic on rectangles in desktop pixels.
//
// With an owner: centred over the owner's rectangle, then moved as little as needed to
// lie inside the work area of the monitor nearest the owner (its top-left corner wins
// when the window is larger than the work area). Without one: centred in the primary
// monitor's work area.
//
//   PlaceDialog(200x100, owner {0,0,800,600}, {{0,0,1920,1080}})      -> (300, 250)
//   PlaceDialog(200x100, owner {-150,10,100,50}, {{0,0,1920,1080}})   -> (0, 0)  // kept inside
//   PlaceDialog(200x100, no owner, {{0,0,1920,1040}, ...})            -> (860, 470)

#include <optional>
#include <vector>

#include "platform/dialog_units.h"

namespace platform {

struct Point {
  int x = 0;
  int y = 0;

  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
};

struct Monitor {
  PixelRect bounds;    // the whole screen
  PixelRect workArea;  // less panels and docks
};

// `monitors` lists the primary monitor first. An empty list places the window at 0, 0.
Point PlaceDialog(Size window, const std::optional<PixelRect>& owner,
                  const std::vector<Monitor>& monitors);

}  // namespace platform
