// SPDX-License-Identifier: GPL-3.0-or-later
#include "loops/beat_count.h"

#include <gtest/gtest.h>

#include "core/tempo_form.h"

namespace {

using loops::TempoRange;

TEST(Candidates, AreTheCalculatorsTemposAtOneToSixtyFourBeats) {
  const double seconds = 4.000022675736962;  // 176401 frames at 44100 Hz
  const loops::Candidates candidates = loops::CandidatesFor(seconds);
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    EXPECT_EQ(candidates[i].beats, loops::kCandidateBeats[i]);
    EXPECT_EQ(candidates[i].tempo, core::ConvertBeats(seconds, loops::kCandidateBeats[i]));
  }
}

TEST(GuessBeats, PrefersTheTempoInTheRange) {
  struct Case {
    double seconds;
    TempoRange range;
    int beats;
    const char* why;
  };
  const Case cases[] = {
      {2.0, {}, 4, "120 BPM"},
      {8.0, {}, 16, "a four-bar loop at 120"},
      {3.0, {}, 4, "80 BPM: the range holds its low end"},
      {1.5, {}, 2, "80 and 160 BPM: the range holds its low end, not its high one"},
      {2.4, {}, 4, "100 BPM; 200 is out"},
      {1.6, {}, 4, "75 and 150: only 150 is inside"},
      {5.0, {}, 8, "96 BPM"},
      {0.25, {}, 1, "240 BPM at one beat: nothing inside, the nearest"},
      {120.0, {}, 64, "32 BPM at 64 beats: nothing inside, the nearest"},
      {1.0, {100, 110}, 2, "60 and 120 around a narrow range: 120 is nearer"},
      {2.0, {170, 180}, 8, "120 and 240 around 170-180: 240 is nearer by ratio"},
      {2.0, {60, 200}, 4, "60 and 120 inside: 120 is nearer the middle, 109.5"},
      {1.5, {40, 320}, 4, "40, 80 and 160 inside; 80 and 160 equally near the middle: more beats"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.seconds << " s: " << c.why);
    EXPECT_EQ(loops::GuessBeats(loops::CandidatesFor(c.seconds), c.range), c.beats);
  }
}

TEST(BeatsAtTempo, IsTheNearestWholeCountAndAtLeastOne) {
  EXPECT_EQ(loops::BeatsAtTempo(5.714285714285714, 168), 16);
  EXPECT_EQ(loops::BeatsAtTempo(5.6, 168), 16);   // 15.68
  EXPECT_EQ(loops::BeatsAtTempo(2.0, 119.0), 4);  // 3.97
  EXPECT_EQ(loops::BeatsAtTempo(0.1, 120), 1);
}

TEST(TempoInName, FindsTheNumberNextToBpm) {
  struct Case {
    const char* name;
    std::optional<double> tempo;
  };
  const Case cases[] = {
      {"break01 - 168 BPM.ogg", 168},
      {"kick_120bpm.wav", 120},
      {"pad 92.5 BPM.flac", 92.5},
      {"Drums_Bpm95_Amin.wav", 95},
      {"loop2_120bpm.wav", 120},
      {"bass-140-bpm.wav", 140},
      {"Loop 4 bars.wav", std::nullopt},
      {"120.wav", std::nullopt},
      {"bpm.wav", std::nullopt},
      {"5000bpm.wav", std::nullopt},  // no tempo
      {"0bpm.wav", std::nullopt},
      {"folder 90 bpm/loop.wav", std::nullopt},  // the folder's name does not count
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(loops::TempoInName(c.name), c.tempo);
  }
}

TEST(TempoInTag, ReadsANumberOfBeatsPerMinute) {
  EXPECT_EQ(loops::TempoInTag("168"), 168);
  EXPECT_EQ(loops::TempoInTag(" 92.5"), 92.5);
  EXPECT_EQ(loops::TempoInTag("120 BPM"), 120);
  EXPECT_EQ(loops::TempoInTag(""), std::nullopt);
  EXPECT_EQ(loops::TempoInTag("fast"), std::nullopt);
  EXPECT_EQ(loops::TempoInTag("0"), std::nullopt);
  EXPECT_EQ(loops::TempoInTag("-120"), std::nullopt);
}

}  // namespace
