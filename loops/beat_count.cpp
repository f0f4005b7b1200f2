// SPDX-License-Identifier: GPL-3.0-or-later
#include "loops/beat_count.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include "core/field_number.h"
#include "core/tempo_form.h"

namespace loops {
namespace {

constexpr double kLowestTempo = 1;
constexpr double kHighestTempo = 999;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsTempo(double tempo) {
  return std::isfinite(tempo) && tempo >= kLowestTempo && tempo <= kHighestTempo;
}

bool StartsWithBpm(std::string_view text) {
  return text.size() >= 3 && std::tolower(static_cast<unsigned char>(text[0])) == 'b' &&
         std::tolower(static_cast<unsigned char>(text[1])) == 'p' &&
         std::tolower(static_cast<unsigned char>(text[2])) == 'm';
}

// Whether tempo a lies nearer than b to a centre, by ratio, given the centre squared. On
// a tie the faster tempo (more beats) wins.
bool Nearer(double a, double b, double centreSquared) {
  const double low = std::min(a, b);
  const double high = std::max(a, b);
  // With low below the centre and high above, low is nearer when centre / low is less
  // than high / centre, that is when low * high exceeds the centre squared; with both on
  // one side the same test picks the one nearer the centre. Outside a range, the centre
  // squared is min * max, and it works the same against the range's ends.
  const double product = low * high;
  if (product == centreSquared) {
    return a == high;
  }
  return product > centreSquared ? a == low : a == high;
}

// From the low end up to, not including, the high end: in a range of one octave, such as
// 80 to 160, exactly one of the candidates (which double) lies.
bool InRange(double tempo, TempoRange range) {
  return tempo >= range.min && tempo < range.max;
}

}  // namespace

std::string_view BeatsSourceName(BeatsSource source) {
  switch (source) {
    case BeatsSource::Option:
      return "option";
    case BeatsSource::LoopInfo:
      return "loop-info";
    case BeatsSource::Tag:
      return "tag";
    case BeatsSource::Name:
      return "name";
    case BeatsSource::Guess:
      return "guess";
  }
  return "guess";
}

Candidates CandidatesFor(double seconds) {
  Candidates candidates{};
  for (std::size_t i = 0; i < kCandidateBeats.size(); ++i) {
    candidates[i] = {kCandidateBeats[i], core::ConvertBeats(seconds, kCandidateBeats[i])};
  }
  return candidates;
}

int GuessBeats(const Candidates& candidates, TempoRange range) {
  // Inside the range, nearest its middle (the geometric mean); with none inside, nearest
  // the range: below it, its low end counts, above it, its high end; min * max squares
  // the middle either way.
  const double centreSquared = range.min * range.max;
  const Candidate* best = nullptr;
  for (const Candidate& candidate : candidates) {
    if (!(candidate.tempo > 0) || !std::isfinite(candidate.tempo)) {
      continue;
    }
    if (best == nullptr) {
      best = &candidate;
      continue;
    }
    const bool inside = InRange(candidate.tempo, range);
    const bool bestInside = InRange(best->tempo, range);
    if (inside != bestInside) {
      if (inside) {
        best = &candidate;
      }
      continue;
    }
    if (Nearer(candidate.tempo, best->tempo, centreSquared)) {
      best = &candidate;
    }
  }
  return best != nullptr ? best->beats : candidates.front().beats;
}

double BeatsAtTempo(double seconds, double tempo) {
  // seconds * tempo / 60 beats, to the nearest whole beat.
  const double beats = std::round(seconds * tempo / core::kSecondsPerMinute);
  return beats >= 1 ? beats : 1;
}

std::optional<double> TempoInName(std::string_view fileName) {
  // Only the name counts, not the folders it is in.
  if (const auto slash = fileName.rfind('/'); slash != std::string_view::npos) {
    fileName.remove_prefix(slash + 1);
  }
  // A number, then "bpm" after at most one space, dash or underscore.
  for (std::size_t i = 0; i < fileName.size(); ++i) {
    if (!IsDigit(fileName[i]) || (i > 0 && (IsDigit(fileName[i - 1]) || fileName[i - 1] == '.'))) {
      continue;
    }
    std::size_t end = i;
    while (end < fileName.size() && IsDigit(fileName[end])) {
      ++end;
    }
    if (end + 1 < fileName.size() && fileName[end] == '.' && IsDigit(fileName[end + 1])) {
      for (++end; end < fileName.size() && IsDigit(fileName[end]); ++end) {
      }
    }
    std::size_t after = end;
    if (after < fileName.size() &&
        (fileName[after] == ' ' || fileName[after] == '-' || fileName[after] == '_')) {
      ++after;
    }
    if (StartsWithBpm(fileName.substr(after))) {
      const double tempo = core::ParseFieldNumber(fileName.substr(i, end - i));
      if (IsTempo(tempo)) {
        return tempo;
      }
    }
  }
  // "bpm", then a number after at most one space, dash or underscore.
  for (std::size_t i = 0; i + 3 < fileName.size(); ++i) {
    if (!StartsWithBpm(fileName.substr(i))) {
      continue;
    }
    std::size_t start = i + 3;
    if (fileName[start] == ' ' || fileName[start] == '-' || fileName[start] == '_') {
      ++start;
    }
    if (start < fileName.size() && IsDigit(fileName[start])) {
      const double tempo = core::ParseFieldNumber(fileName.substr(start));
      if (IsTempo(tempo)) {
        return tempo;
      }
    }
  }
  return std::nullopt;
}

std::optional<double> TempoInTag(std::string_view text) {
  return UsableTempo(core::ParseFieldNumber(text));
}

std::optional<double> UsableTempo(double tempo) {
  if (IsTempo(tempo)) {
    return tempo;
  }
  return std::nullopt;
}

}  // namespace loops
