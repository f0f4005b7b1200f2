// SPDX-License-Identifier: GPL-3.0-or-later
#include "loops/mpeg_gapless.h"

#include <cstdint>

namespace loops {
namespace {

std::uint8_t Byte(std::string_view bytes, std::size_t i) {
  return static_cast<std::uint8_t>(bytes[i]);
}

// The offset of the first MPEG audio frame header in `bytes`, or npos.
std::size_t FirstFrame(std::string_view bytes) {
  for (std::size_t i = 0; i + 4 <= bytes.size(); ++i) {
    // Eleven sync bits, a version other than "reserved", layer III, a bit rate index
    // neither free nor bad, a sample rate index other than "reserved".
    if (Byte(bytes, i) != 0xFF || (Byte(bytes, i + 1) & 0xE0) != 0xE0) {
      continue;
    }
    const int version = (Byte(bytes, i + 1) >> 3) & 3;
    const int layer = (Byte(bytes, i + 1) >> 1) & 3;
    const int bitrate = Byte(bytes, i + 2) >> 4;
    const int rate = (Byte(bytes, i + 2) >> 2) & 3;
    if (version != 1 && layer == 1 && bitrate != 0 && bitrate != 15 && rate != 3) {
      return i;
    }
  }
  return std::string_view::npos;
}

}  // namespace

std::size_t Id3v2Size(std::string_view head) {
  if (head.size() < 10 || head.substr(0, 3) != "ID3") {
    return 0;
  }
  std::size_t size = 0;
  for (std::size_t i = 6; i < 10; ++i) {
    if ((Byte(head, i) & 0x80) != 0) {
      return 0;  // not a synchsafe size: no tag
    }
    size = (size << 7) | Byte(head, i);
  }
  const bool footer = (Byte(head, 5) & 0x10) != 0;
  return 10 + size + (footer ? 10 : 0);
}

bool HasGaplessInfo(std::string_view head) {
  const std::size_t frame = FirstFrame(head);
  if (frame == std::string_view::npos) {
    return false;
  }
  const bool mpeg1 = ((Byte(head, frame + 1) >> 3) & 3) == 3;
  const bool mono = (Byte(head, frame + 3) >> 6) == 3;
  // The tag follows the frame header and the side information.
  const std::size_t sideInfo = mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
  std::size_t at = frame + 4 + sideInfo;
  if (at + 8 > head.size()) {
    return false;
  }
  const std::string_view id = head.substr(at, 4);
  if (id != "Xing" && id != "Info") {
    return false;
  }
  const std::uint32_t flags = (std::uint32_t{Byte(head, at + 4)} << 24) |
                              (std::uint32_t{Byte(head, at + 5)} << 16) |
                              (std::uint32_t{Byte(head, at + 6)} << 8) | Byte(head, at + 7);
  at += 8;
  // Frame count, byte count, table of contents, quality: each there when its flag is.
  at += (flags & 1) != 0 ? 4 : 0;
  at += (flags & 2) != 0 ? 4 : 0;
  at += (flags & 4) != 0 ? 100 : 0;
  at += (flags & 8) != 0 ? 4 : 0;
  // The extension: a nine-character encoder name, then at offset 21 the delay and padding
  // in twelve bits each. An encoder that writes it names itself in printable letters.
  if ((flags & 1) == 0 || at + 24 > head.size()) {
    return false;
  }
  for (std::size_t i = 0; i < 4; ++i) {
    const std::uint8_t c = Byte(head, at + i);
    if (c < 0x20 || c > 0x7E) {
      return false;
    }
  }
  return true;
}

}  // namespace loops
