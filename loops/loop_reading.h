// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One loop file read for its tempo: its exact length from the header, its beat count from
// the caller, the file's loop information, a tempo tag or its name, else a guess, and the
// tempo the calculator would give for that length and count.
//
// Reads WAV (RIFF, RF64), AIFF, FLAC, Ogg Vorbis, Ogg Opus and MP3, through libsndfile;
// tags through TagLib. Reading is header work: no audio is decoded where the header gives
// the frame count. Never throws; failures come back as a sentence naming the cause.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "loops/beat_count.h"

namespace loops {

struct LoopOptions {
  std::optional<double> beats;  // the caller's count, which comes before any other
  TempoRange range;             // what a guess prefers
};

struct LoopReading {
  std::int64_t frames = 0;
  int sampleRate = 0;
  double seconds = 0;  // frames / sampleRate, correctly rounded
  // False where the header gives no exact frame count: an MP3 without the encoder's
  // delay and padding, whose length the decoder only estimates.
  bool exact = true;
  double beats = 0;
  BeatsSource beatsFrom = BeatsSource::Guess;
  double tempo = 0;  // core::ConvertBeats(seconds, beats), as the calculator computes it
  Candidates candidates{};
};

struct LoopResult {
  std::optional<LoopReading> reading;
  std::string error;  // when there is no reading: "The file is empty.", ...
};

LoopResult ReadLoopFile(const std::string& path, const LoopOptions& options);

// The same from bytes in memory; `name` stands for the file's name (its tempo, its kind).
LoopResult ReadLoopBytes(std::string_view bytes, std::string_view name, const LoopOptions& options);

// A file's name, without its folders, as UTF-8 text to show a person: bytes that are not
// UTF-8 become U+FFFD.
std::string DisplayName(std::string_view path);

// Whether a name ends in an audio file extension this reader takes (in any case); how a
// folder's files are picked.
bool HasAudioExtension(std::string_view name);

}  // namespace loops
