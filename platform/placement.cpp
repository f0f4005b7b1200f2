// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/placement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace platform {
namespace {

Point CentredIn(Size window, const PixelRect& area) {
  return {area.x + (area.width - window.width) / 2, area.y + (area.height - window.height) / 2};
}

std::int64_t OverlapArea(const PixelRect& a, const PixelRect& b) {
  const std::int64_t width = std::min(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
  const std::int64_t height = std::min(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
  return width > 0 && height > 0 ? width * height : 0;
}

std::int64_t DistanceSquared(const PixelRect& rect, const Point& point) {
  const std::int64_t dx =
      point.x < rect.x ? rect.x - point.x : std::max(0, point.x - (rect.x + rect.width - 1));
  const std::int64_t dy =
      point.y < rect.y ? rect.y - point.y : std::max(0, point.y - (rect.y + rect.height - 1));
  return dx * dx + dy * dy;
}

// The monitor sharing the largest area with the rectangle; for one on no monitor, the
// monitor closest to its centre.
const Monitor& NearestMonitor(const PixelRect& rect, const std::vector<Monitor>& monitors) {
  const Monitor* best = &monitors.front();
  std::int64_t bestOverlap = 0;
  for (const Monitor& monitor : monitors) {
    const std::int64_t overlap = OverlapArea(rect, monitor.bounds);
    if (overlap > bestOverlap) {
      best = &monitor;
      bestOverlap = overlap;
    }
  }
  if (bestOverlap > 0) {
    return *best;
  }
  const Point centre{rect.x + rect.width / 2, rect.y + rect.height / 2};
  std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
  for (const Monitor& monitor : monitors) {
    const std::int64_t distance = DistanceSquared(monitor.bounds, centre);
    if (distance < bestDistance) {
      best = &monitor;
      bestDistance = distance;
    }
  }
  return *best;
}

}  // namespace

Point PlaceDialog(Size window, const std::optional<PixelRect>& owner,
                  const std::vector<Monitor>& monitors) {
  if (monitors.empty()) {
    return {};
  }
  if (!owner) {
    return CentredIn(window, monitors.front().workArea);
  }
  Point position = CentredIn(window, *owner);
  const PixelRect& work = NearestMonitor(*owner, monitors).workArea;
  // Right and bottom edges first, so that a window too large for the work area keeps
  // its top-left corner visible.
  position.x = std::min(position.x, work.x + work.width - window.width);
  position.y = std::min(position.y, work.y + work.height - window.height);
  position.x = std::max(position.x, work.x);
  position.y = std::max(position.y, work.y);
  return position;
}

}  // namespace platform
