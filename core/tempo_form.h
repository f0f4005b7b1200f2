// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculator form and its two commands: tempo from a loop's length, and the loop's
// length from a tempo. Pure functions over the form; nothing is thrown.

#include <optional>
#include <string>
#include <string_view>

namespace core {

inline constexpr double kSecondsPerMinute = 60.0;

// Shown by the main window when a command's input is unusable.
inline constexpr std::string_view kInvalidDataMessage = "invalid data";

// The form's fields exactly as typed, and its two check boxes. The defaults are what the
// window shows when it opens.
struct TempoForm {
  std::string periodText = "2";   // seconds
  std::string beatsText = "4";    // beats in the loop
  std::string tempoText = "120";  // beats per minute
  bool rounded = true;            // three decimals instead of six
  bool showSubdivisions = false;  // open the subdivision table after a command
};

// What a successful command hands to the subdivision window.
struct SubdivisionRequest {
  double period;  // seconds, full precision, never the possibly rounded field text
  bool rounded;
};

enum class TempoCommandStatus { Ok, InvalidData };

struct TempoCommandResult {
  TempoCommandStatus status = TempoCommandStatus::Ok;
  // Present only for Ok when the form's showSubdivisions was on.
  std::optional<SubdivisionRequest> subdivisions;
};

// kSecondsPerMinute / value, rounded to a double, then times `beats`, rounded again. The
// quotient comes first, so the result can differ in the last bit from (60 * beats) / value:
//   ConvertBeats(7, 11) -> 94.28571428571428   // (60 * 11) / 7 is 94.28571428571429
//   ConvertBeats(2, 4)  -> 120                 // a 2 s loop of 4 beats is 120 BPM
//   ConvertBeats(120, 4) -> 2                  // 4 beats at 120 BPM last 2 s
// Plain IEEE arithmetic: a quotient beyond the double range is an infinity.
double ConvertBeats(double value, double beats) noexcept;

// "Compute Tempo": reads periodText and beatsText; if either reads as 0 (or not a number)
// the result is InvalidData and the form is untouched. Otherwise only tempoText changes:
//   {period "2", beats "4", rounded}   -> tempoText "120.000"
//   {period "3", beats "4", rounded}   -> tempoText "80.000", request period 3 if asked
//   {period "-2", beats "4", rounded}  -> tempoText "-120.000"   // negatives pass
//   {period "2", beats "abc"}          -> InvalidData
TempoCommandResult ComputeTempo(TempoForm& form);

// "Compute Period": reads tempoText and beatsText, validated as ComputeTempo does; only
// periodText changes. The request carries the computed period, not the field's text:
//   {tempo "90", beats "4", rounded}   -> periodText "2.667", request period 2.6666666666666665
TempoCommandResult ComputePeriod(TempoForm& form);

}  // namespace core
