// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How many beats a loop holds, when the file's data says nothing of it or says it only
// as a tempo. Pure; no state.

#include <array>
#include <optional>
#include <string_view>

namespace loops {

// Where a loop's beat count came from, most trusted first.
enum class BeatsSource { Option, LoopInfo, Tag, Name, Guess };

// "option", "loop-info", "tag", "name", "guess".
std::string_view BeatsSourceName(BeatsSource source);

// The tempos a guess prefers, in BPM: from min up to, not including, max.
struct TempoRange {
  double min = 80;
  double max = 160;
};

struct Candidate {
  int beats;
  double tempo;  // ConvertBeats(seconds, beats), as the calculator computes it
};

inline constexpr std::array<int, 7> kCandidateBeats = {1, 2, 4, 8, 16, 32, 64};
using Candidates = std::array<Candidate, kCandidateBeats.size()>;

// The tempo of the loop at each candidate count:
//   CandidatesFor(2)[2] -> {4, 120}
Candidates CandidatesFor(double seconds);

// The candidate whose tempo lies in the range: in an octave such as the default, exactly
// one does. Where more do (a wider range), the one nearest the range's middle by ratio
// (its geometric mean); on an exact tie, the one with more beats. Where none does (a
// range narrower than an octave), the one nearest the range by ratio:
//   GuessBeats(CandidatesFor(2), {})           -> 4    // 120 BPM
//   GuessBeats(CandidatesFor(1.5), {})         -> 2    // 80 BPM; 160 is past the range
//   GuessBeats(CandidatesFor(2.4), {})         -> 4    // 100 BPM
//   GuessBeats(CandidatesFor(1), {100, 110})   -> 2    // 120 BPM is nearest (60 is not)
int GuessBeats(const Candidates& candidates, TempoRange range);

// The whole number of beats nearest to what the loop holds at the tempo, at least one:
//   BeatsAtTempo(5.714, 168) -> 16
//   BeatsAtTempo(0.1, 120)   -> 1
double BeatsAtTempo(double seconds, double tempo);

// A tempo written in a file name, next to "BPM" in any case, a number of beats per minute
// from 1 to 999:
//   TempoInName("break01 - 168 BPM.ogg") -> 168
//   TempoInName("kick_120bpm.wav")       -> 120
//   TempoInName("pad 92.5 BPM.flac")     -> 92.5
//   TempoInName("Drums_Bpm95_Amin.wav")  -> 95      // after it too
//   TempoInName("loop 4 bars.wav")       -> nothing
std::optional<double> TempoInName(std::string_view fileName);

// A tempo tag's text as a tempo, or nothing when it is none: "168", "92.5", " 120 BPM".
std::optional<double> TempoInTag(std::string_view text);

// A tempo as a file's data gives it, when it is one: from 1 to 999 BPM.
std::optional<double> UsableTempo(double tempo);

}  // namespace loops
