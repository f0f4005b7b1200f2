// SPDX-License-Identifier: GPL-3.0-or-later
#include <charconv>
#include <cmath>
#include <cstring>

#include "core/field_number.h"

namespace core {
namespace {

bool ReadsBackAs(const std::string& text, double value) {
  const double read = ParseFieldNumber(text);
  return std::memcmp(&read, &value, sizeof value) == 0;
}

}  // namespace

std::string FormatFieldNumberExactly(double value) {
  if (!std::isfinite(value)) {
    return FormatFieldNumber(value, false);
  }
  if (value == 0) {
    return "0";
  }
  // The shortest digits that a correctly rounding reader takes back to the value: in
  // plain notation where a field shows it comfortably, else with an exponent.
  char buffer[512];
  const double magnitude = std::fabs(value);
  const auto format = magnitude >= 1e-6 && magnitude < 1e21 ? std::chars_format::fixed
                                                            : std::chars_format::scientific;
  std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value, format);
  std::string text(buffer, written.ptr);
  // Those digits may lie exactly halfway to the neighbour nearer zero, where our reading
  // goes toward zero; then more digits, which never do.
  for (int decimals = 16; !ReadsBackAs(text, value) && decimals <= 23; ++decimals) {
    written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                            decimals);
    text.assign(buffer, written.ptr);
  }
  return text;
}

}  // namespace core
