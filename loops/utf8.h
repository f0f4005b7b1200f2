// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to loops: telling UTF-8 from other bytes in names.

#include <cstddef>
#include <string_view>

namespace loops {

// The length of the UTF-8 sequence starting at `i`, or 0 when it is not a valid one:
// no overlong forms, no surrogates, nothing past U+10FFFF.
inline std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char first = byte(i);
  std::size_t length = 0;
  char32_t code = 0;
  if (first < 0x80) {
    return 1;
  } else if ((first & 0xE0) == 0xC0) {
    length = 2;
    code = first & 0x1F;
  } else if ((first & 0xF0) == 0xE0) {
    length = 3;
    code = first & 0x0F;
  } else if ((first & 0xF8) == 0xF0) {
    length = 4;
    code = first & 0x07;
  } else {
    return 0;
  }
  if (i + length > text.size()) {
    return 0;
  }
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      return 0;
    }
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kLeast[length] || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF) {
    return 0;
  }
  return length;
}

}  // namespace loops
