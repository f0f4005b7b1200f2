// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a field text: reading never crashes, and what is written for the value
// read has the field shape and reads back within the precision it shows. The same bytes
// as a double are written too.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/field_number.h"

namespace {

bool HasFieldShape(const std::string& text, int decimals) {
  std::size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
  const std::size_t firstDigit = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    ++i;
  }
  if (i == firstDigit || i - firstDigit > 309 || i >= text.size() || text[i] != '.') {
    return false;
  }
  if (i - firstDigit > 1 && text[firstDigit] == '0') {
    return false;  // no leading zeros
  }
  const std::size_t point = i++;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    ++i;
  }
  return i == text.size() && i - point - 1 == static_cast<std::size_t>(decimals);
}

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

}  // namespace

// Any double at all, subnormals and NaN payloads included, is written in the field shape
// or as one of the three words.
void CheckWritingAnyDouble(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(double)) {
    return;
  }
  double value = 0;
  std::memcpy(&value, data, sizeof value);
  for (const bool rounded : {true, false}) {
    const std::string written = core::FormatFieldNumber(value, rounded);
    if (std::isnan(value)) {
      Check(written == "nan");
    } else if (std::isinf(value)) {
      Check(written == (value < 0 ? "-inf" : "inf"));
    } else {
      Check(HasFieldShape(written, rounded ? 3 : 6));
    }
  }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckWritingAnyDouble(data, size);
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = core::ParseFieldNumber(text);
  Check(!std::isnan(value));
  Check(value == 0 || std::isinf(value) || std::fabs(value) >= 0x1p-1022);
  for (const bool rounded : {true, false}) {
    const std::string written = core::FormatFieldNumber(value, rounded);
    if (!std::isfinite(value)) {
      Check(written == "inf" || written == "-inf");
      continue;
    }
    const int decimals = rounded ? 3 : 6;
    Check(HasFieldShape(written, decimals));
    const double back = core::ParseFieldNumber(written);
    // Half the last decimal shown, the cut to 17 digits, and the rounding of the read-back.
    const double magnitude = std::fabs(value);
    const double ulp = std::nextafter(magnitude, INFINITY) - magnitude;
    const double tolerance = (rounded ? 0.5e-3 : 0.5e-6) + magnitude * 1e-16 + ulp;
    Check(std::fabs(back - value) <= tolerance || (std::isinf(back) && magnitude > 1e308));
    // Up to 15 significant digits a text survives the trip through a double, so writing
    // what was read back changes nothing more (a "-0.000" reads back as a zero, unsigned).
    if (magnitude < 1e8 && back != 0) {
      Check(core::FormatFieldNumber(back, rounded) == written);
    }
  }
  return 0;
}
