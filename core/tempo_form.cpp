// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tempo_form.h"

#include <cmath>

#include "core/field_number.h"

namespace core {
namespace {

bool IsUsable(double value) {
  return value != 0 && !std::isnan(value);
}

// Both commands share one shape: read the value and the beats, validate once, convert,
// write the one result field.
TempoCommandResult RunCommand(const TempoForm& form, const std::string& valueText,
                              std::string& resultText, bool requestCarriesValue) {
  const double value = ParseFieldNumber(valueText);
  const double beats = ParseFieldNumber(form.beatsText);
  if (!IsUsable(value) || !IsUsable(beats)) {
    return {TempoCommandStatus::InvalidData, std::nullopt};
  }
  const double result = ConvertBeats(value, beats);
  resultText = FormatFieldNumber(result, form.rounded);

  TempoCommandResult outcome;
  if (form.showSubdivisions) {
    outcome.subdivisions = SubdivisionRequest{requestCarriesValue ? value : result, form.rounded};
  }
  return outcome;
}

}  // namespace

double ConvertBeats(double value, double beats) noexcept {
  const double perBeat = kSecondsPerMinute / value;
  return perBeat * beats;
}

TempoCommandResult ComputeTempo(TempoForm& form) {
  // The subdivisions are of the period the user typed.
  return RunCommand(form, form.periodText, form.tempoText, /*requestCarriesValue=*/true);
}

TempoCommandResult ComputePeriod(TempoForm& form) {
  // The subdivisions are of the computed period at full precision, not its field text.
  return RunCommand(form, form.tempoText, form.periodText, /*requestCarriesValue=*/false);
}

}  // namespace core
