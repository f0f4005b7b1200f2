// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a loop file, read from memory through libsndfile's virtual I/O and TagLib:
// reading never crashes or hangs, and gives either a reading that holds together or a
// sentence. The same bytes as a file name and a tag go through the tempo readers.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/tempo_form.h"
#include "loops/beat_count.h"
#include "loops/loop_reading.h"
#include "loops/mpeg_gapless.h"

namespace {

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const loops::LoopResult result = loops::ReadLoopBytes(bytes, "fuzz 120 BPM.wav", {});
  if (result.reading) {
    const loops::LoopReading& reading = *result.reading;
    Check(reading.frames > 0 && reading.sampleRate > 0);
    Check(reading.seconds == static_cast<double>(reading.frames) / reading.sampleRate);
    Check(reading.beats >= 1 && std::isfinite(reading.beats));
    Check(reading.tempo == core::ConvertBeats(reading.seconds, reading.beats));
  } else {
    Check(!result.error.empty() && result.error.back() == '.');
  }

  if (const auto tempo = loops::TempoInName(bytes)) {
    Check(*tempo >= 1 && *tempo <= 999);
  }
  if (const auto tempo = loops::TempoInTag(bytes)) {
    Check(*tempo >= 1 && *tempo <= 999);
  }
  static_cast<void>(loops::HasGaplessInfo(bytes));
  static_cast<void>(loops::Id3v2Size(bytes));
  Check(!loops::DisplayName(bytes).empty() || bytes.empty() || bytes.back() == '/');
  return 0;
}
