// SPDX-License-Identifier: GPL-3.0-or-later
#include "loops/record_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/field_number.h"
#include "loops/utf8.h"

namespace loops {
namespace {

// The shortest digits that read back as the double; JSON has no infinities: null.
std::string Number(double value) {
  if (!std::isfinite(value)) {
    return "null";
  }
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, written.ptr);
}

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t length = Utf8SequenceLength(text, i);
    char escape[8];
    if (length == 0) {
      std::snprintf(escape, sizeof escape, "\\udc%02x", c);  // a byte that is not UTF-8
      out += escape;
      ++i;
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out.append(text.substr(i, length));
    }
    i += length;
  }
  out += '"';
  return out;
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    return std::string(text);
  }
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"') {
      out += '"';
    }
    out += c;
  }
  out += '"';
  return out;
}

std::string Padded(std::string_view text, std::size_t width) {
  return text.size() >= width ? std::string(text)
                              : std::string(width - text.size(), ' ') + std::string(text);
}

std::string Text(double value, bool full) {
  return core::FormatFieldNumber(value, !full);
}

}  // namespace

std::string HeaderLine(const RecordStyle& style) {
  switch (style.format) {
    case RecordFormat::Json:
      return {};
    case RecordFormat::Csv:
      return "path,frames,sample_rate,seconds,exact,beats,beats_from,tempo,tempo_text\r\n";
    case RecordFormat::Table:
      return Padded("TEMPO", 12) + "  " + Padded("BEATS", 6) + "  " + "FROM     " + "  " +
             Padded("SECONDS", 14) + "  FILE\n";
  }
  return {};
}

std::string RecordLine(const RecordStyle& style, std::string_view path,
                       const LoopReading& reading) {
  const std::string tempoText = Text(reading.tempo, style.full);
  const std::string_view from = BeatsSourceName(reading.beatsFrom);
  switch (style.format) {
    case RecordFormat::Json: {
      std::string line = "{\"path\":" + JsonString(path);
      line += ",\"frames\":" + std::to_string(reading.frames);
      line += ",\"sample_rate\":" + std::to_string(reading.sampleRate);
      line += ",\"seconds\":" + Number(reading.seconds);
      line += std::string(",\"exact\":") + (reading.exact ? "true" : "false");
      line += ",\"beats\":" + Number(reading.beats);
      line += ",\"beats_from\":\"" + std::string(from) + "\"";
      line += ",\"tempo\":" + Number(reading.tempo);
      line += ",\"tempo_text\":" + JsonString(tempoText);
      line += ",\"candidates\":[";
      for (std::size_t i = 0; i < reading.candidates.size(); ++i) {
        line += i > 0 ? ",{" : "{";
        line += "\"beats\":" + std::to_string(reading.candidates[i].beats);
        line += ",\"tempo\":" + Number(reading.candidates[i].tempo) + "}";
      }
      return line + "]}\n";
    }
    case RecordFormat::Csv:
      return CsvField(path) + "," + std::to_string(reading.frames) + "," +
             std::to_string(reading.sampleRate) + "," + Number(reading.seconds) + "," +
             (reading.exact ? "true" : "false") + "," + Number(reading.beats) + "," +
             std::string(from) + "," + Number(reading.tempo) + "," + tempoText + "\r\n";
    case RecordFormat::Table: {
      // An estimated length is marked with "~".
      const std::string seconds = (reading.exact ? "" : "~") + Text(reading.seconds, style.full);
      return Padded(tempoText, 12) + "  " + Padded(Number(reading.beats), 6) + "  " +
             std::string(from) + std::string(9 - std::min<std::size_t>(9, from.size()), ' ') +
             "  " + Padded(seconds, 14) + "  " + std::string(path) + "\n";
    }
  }
  return {};
}

std::string ErrorLine(std::string_view path, std::string_view error) {
  return "{\"path\":" + JsonString(path) + ",\"error\":" + JsonString(error) + "}\n";
}

std::string ErrorMessage(std::string_view path, std::string_view error) {
  return "tremlet-loop: " + std::string(path) + ": " + std::string(error) + "\n";
}

}  // namespace loops
