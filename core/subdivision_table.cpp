// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/subdivision_table.h"

#include "core/field_number.h"

namespace core {

std::array<SubdivisionRow, kSubdivisionRows> BuildSubdivisionTable(double period, bool rounded) {
  static constexpr const char* kLabels[kSubdivisionRows] = {"1/2",  "1/4",  "1/8",   "1/16",
                                                            "1/32", "1/64", "1/128", "1/256"};
  std::array<SubdivisionRow, kSubdivisionRows> rows;
  double running = period;
  int divisor = 1;
  for (int i = 0; i < kSubdivisionRows; ++i) {
    // Halve the previous row's stored double rather than dividing the period afresh.
    running *= 0.5;
    divisor *= 2;
    rows[static_cast<std::size_t>(i)] =
        SubdivisionRow{kLabels[i], divisor, running, FormatFieldNumber(running, rounded)};
  }
  return rows;
}

}  // namespace core
