// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The loop divided into 2, 4, ... 256 equal parts, as text for the subdivision window.

#include <array>
#include <string>

namespace core {

inline constexpr int kSubdivisionRows = 8;

struct SubdivisionRow {
  std::string label;  // "1/2" ... "1/256"
  int divisor;        // 2 ... 256
  double seconds;     // the period divided by divisor
  std::string text;   // FormatFieldNumber(seconds, rounded); the unit is shown apart
};

// Never fails and rejects nothing. Each row halves the previous row's double, so row k
// holds period * 2^-k exactly unless it falls below the normal double range:
//   BuildSubdivisionTable(2, true)  -> texts 1.000 0.500 0.250 0.125 0.063 0.031 0.016 0.008
//   BuildSubdivisionTable(2, false) -> ... 0.062500 0.031250 0.015625 0.007813
//   BuildSubdivisionTable(-3, true) -> eight negative rows
std::array<SubdivisionRow, kSubdivisionRows> BuildSubdivisionTable(double period, bool rounded);

}  // namespace core
