// SPDX-License-Identifier: GPL-3.0-or-later
// Field numbers against the standard library's own conversions on the same typical
// field texts and results. The standard ones round ties to even, so the outputs are
// not always the same; the work is.

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <string>
#include <string_view>

#include "core/field_number.h"

namespace {

constexpr std::array<std::string_view, 12> kFieldTexts = {
    "2", "4", "120", "90", "2.5", "3.75", "1.333", "0.25", "128", "174.5", "2.667", "0.0625"};

constexpr std::array<double, 12> kResults = {
    120.0,     80.0,  2.6666666666666665, 94.28571428571428,    1.5,  0.1875,
    0.0078125, 240.0, 1.3333333333333333, 0.010416666666666666, 96.0, 174.5};

void BM_ParseFieldNumber(benchmark::State& state) {
  for (auto _ : state) {
    for (const auto text : kFieldTexts) {
      benchmark::DoNotOptimize(core::ParseFieldNumber(text));
    }
  }
  state.SetItemsProcessed(state.iterations() * std::ssize(kFieldTexts));
}
BENCHMARK(BM_ParseFieldNumber);

void BM_StdFromChars(benchmark::State& state) {
  for (auto _ : state) {
    for (const auto text : kFieldTexts) {
      double value = 0;
      std::from_chars(text.data(), text.data() + text.size(), value);
      benchmark::DoNotOptimize(value);
    }
  }
  state.SetItemsProcessed(state.iterations() * std::ssize(kFieldTexts));
}
BENCHMARK(BM_StdFromChars);

void BM_FormatFieldNumber(benchmark::State& state) {
  const bool rounded = state.range(0) == 3;
  for (auto _ : state) {
    for (const double value : kResults) {
      benchmark::DoNotOptimize(core::FormatFieldNumber(value, rounded));
    }
  }
  state.SetItemsProcessed(state.iterations() * std::ssize(kResults));
}
BENCHMARK(BM_FormatFieldNumber)->Arg(3)->Arg(6);

// The same job as FormatFieldNumber, a std::string included, so only the digits differ.
void BM_StdToCharsFixed(benchmark::State& state) {
  const int precision = static_cast<int>(state.range(0));
  for (auto _ : state) {
    for (const double value : kResults) {
      char buffer[400];
      const auto result =
          std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
      benchmark::DoNotOptimize(std::string(buffer, result.ptr));
    }
  }
  state.SetItemsProcessed(state.iterations() * std::ssize(kResults));
}
BENCHMARK(BM_StdToCharsFixed)->Arg(3)->Arg(6);

void BM_ParseLongText(benchmark::State& state) {
  const std::string text(static_cast<std::size_t>(state.range(0)), '7');
  for (auto _ : state) {
    benchmark::DoNotOptimize(core::ParseFieldNumber(text));
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParseLongText)->Arg(8 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
