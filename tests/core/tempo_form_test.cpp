// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tempo_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "tests/core/same_double.h"

namespace {

using core::TempoCommandStatus;
using core::TempoForm;

TEST(TempoForm, OpensWithTheWindowsDefaults) {
  const TempoForm form;
  EXPECT_EQ(form.periodText, "2");
  EXPECT_EQ(form.beatsText, "4");
  EXPECT_EQ(form.tempoText, "120");
  EXPECT_TRUE(form.rounded);
  EXPECT_FALSE(form.showSubdivisions);
  EXPECT_EQ(core::kInvalidDataMessage, "invalid data");
}

TEST(ConvertBeats, DividesFirstThenMultiplies) {
  EXPECT_TRUE(SameDouble(core::ConvertBeats(7, 11), 94.28571428571428));
  EXPECT_FALSE(SameDouble((60.0 * 11) / 7, 94.28571428571428));  // why the order matters
  EXPECT_TRUE(SameDouble(core::ConvertBeats(2, 4), 120));
  EXPECT_TRUE(SameDouble(core::ConvertBeats(90, 4), 2.6666666666666665));
  // Plain IEEE: the quotient overflows before the product could bring it back.
  EXPECT_TRUE(
      SameDouble(core::ConvertBeats(1e-307, 1e-10), std::numeric_limits<double>::infinity()));
}

enum class Command { Tempo, Period };

struct CommandCase {
  const char* name;
  Command command;
  const char* period;
  const char* beats;
  const char* tempo;
  bool rounded;
  const char* expectedPeriod;  // the whole form afterwards
  const char* expectedTempo;
  TempoCommandStatus status;
};

TEST(TempoCommands, ChangeOnlyTheResultField) {
  const auto ok = TempoCommandStatus::Ok;
  const auto bad = TempoCommandStatus::InvalidData;
  const CommandCase cases[] = {
      {"tempo rounded", Command::Tempo, "2", "4", "1", true, "2", "120.000", ok},
      {"tempo in full", Command::Tempo, "2", "4", "1", false, "2", "120.000000", ok},
      {"period rounded", Command::Period, "x", "4", "120", true, "2.000", "120", ok},
      {"three second loop", Command::Tempo, "3", "4", "", true, "3", "80.000", ok},
      {"period of 90 BPM", Command::Period, "", "4", "90", true, "2.667", "90", ok},
      {"comma ends the number", Command::Tempo, "1,5", "4", "", true, "1,5", "240.000", ok},
      {"negative period", Command::Tempo, "-2", "4", "", true, "-2", "-120.000", ok},
      {"negative tempo", Command::Period, "", "4", "-120", true, "-2.000", "-120", ok},
      {"fractional beats", Command::Tempo, "2", "2.5", "", true, "2", "75.000", ok},
      {"infinite period", Command::Tempo, "1e999", "4", "", true, "1e999", "0.000", ok},
      {"product overflows", Command::Tempo, "1e-300", "1e10", "", true, "1e-300", "inf", ok},
      {"infinity over infinity", Command::Tempo, "1e999", "1e999", "", true, "1e999", "nan", ok},
      {"empty beats", Command::Tempo, "2", "", "7", true, "2", "7", bad},
      {"letters for beats", Command::Tempo, "2", "abc", "7", true, "2", "7", bad},
      {"zero beats", Command::Tempo, "2", "0", "7", true, "2", "7", bad},
      {"zero period, bad beats", Command::Tempo, "0", "abc", "7", true, "0", "7", bad},
      {"empty tempo", Command::Period, "5", "4", "", true, "5", "", bad},
      {"tempo too small to hold", Command::Period, "5", "4", "1e-320", true, "5", "1e-320", bad},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempoForm form{c.period, c.beats, c.tempo, c.rounded, false};
    const auto result =
        c.command == Command::Tempo ? core::ComputeTempo(form) : core::ComputePeriod(form);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(form.periodText, c.expectedPeriod);
    EXPECT_EQ(form.beatsText, c.beats);
    EXPECT_EQ(form.tempoText, c.expectedTempo);
    EXPECT_EQ(form.rounded, c.rounded);
    EXPECT_FALSE(result.subdivisions.has_value());
  }
}

TEST(TempoCommands, RequestSubdivisionsAtFullPrecisionWhenAsked) {
  TempoForm tempo{"3", "4", "120", true, true};
  const auto fromTempo = core::ComputeTempo(tempo);
  ASSERT_TRUE(fromTempo.subdivisions.has_value());
  EXPECT_TRUE(SameDouble(fromTempo.subdivisions->period, 3.0));  // the period as typed
  EXPECT_TRUE(fromTempo.subdivisions->rounded);

  TempoForm period{"2", "4", "90", true, true};
  const auto fromPeriod = core::ComputePeriod(period);
  EXPECT_EQ(period.periodText, "2.667");
  ASSERT_TRUE(fromPeriod.subdivisions.has_value());
  EXPECT_TRUE(SameDouble(fromPeriod.subdivisions->period, 2.6666666666666665));  // not 2.667

  TempoForm full{"2", "4", "90", false, true};
  ASSERT_TRUE(core::ComputePeriod(full).subdivisions.has_value());
  EXPECT_FALSE(core::ComputePeriod(full).subdivisions->rounded);
}

TEST(TempoCommands, InvalidDataNeverRequestsSubdivisions) {
  TempoForm form{"2", "abc", "120", true, true};
  const auto tempo = core::ComputeTempo(form);
  EXPECT_EQ(tempo.status, TempoCommandStatus::InvalidData);
  EXPECT_FALSE(tempo.subdivisions.has_value());
  const auto period = core::ComputePeriod(form);
  EXPECT_EQ(period.status, TempoCommandStatus::InvalidData);
  EXPECT_FALSE(period.subdivisions.has_value());
}

}  // namespace
