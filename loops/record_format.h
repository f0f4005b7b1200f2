// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tool's records as text: JSON Lines, CSV (RFC 4180, with a header row), or an
// aligned table for people. One function per line; nothing is buffered.

#include <string>
#include <string_view>

#include "loops/loop_reading.h"

namespace loops {

enum class RecordFormat { Table, Csv, Json };

// `full`: tempo and seconds texts with six decimals instead of three, as the calculator
// writes them with "Rounded results" off.
struct RecordStyle {
  RecordFormat format = RecordFormat::Table;
  bool full = false;
};

// The line before the first record; empty for JSON Lines.
std::string HeaderLine(const RecordStyle& style);

// A file's record, ending in its line break.
//   JSON: {"path":"a.wav","frames":88200,"sample_rate":44100,"seconds":2,"exact":true,
//          "beats":4,"beats_from":"guess","tempo":120,"tempo_text":"120.000",
//          "candidates":[{"beats":1,"tempo":30},...]}
// Numbers are written in the fewest digits that read back as the very double. A path is
// written as UTF-8; its bytes that are not UTF-8 become the escapes \udc80 to \udcff
// (as Python's surrogateescape reads them back to the same bytes).
std::string RecordLine(const RecordStyle& style, std::string_view path, const LoopReading& reading);

// A file that could not be read: its JSON record {"path":...,"error":...}. (The table and
// CSV report errors on standard error, through ErrorMessage.)
std::string ErrorLine(std::string_view path, std::string_view error);
std::string ErrorMessage(std::string_view path, std::string_view error);

}  // namespace loops
