// SPDX-License-Identifier: GPL-3.0-or-later
// From a click on "Compute Tempo" (or "Compute Period") to the result painted in its
// field, in the real main window. Runs on Qt's offscreen platform unless QT_QPA_PLATFORM
// names another (xcb under xvfb-run, say).

#include <benchmark/benchmark.h>

#include "app/tempo_calc_app.h"
#include "platform/testing/dialog_driver.h"
#include "res/program_resources.h"
#include "res/resource.h"

namespace {

namespace drive = platform::testing;

HWND Item(int id) {
  return drive::Control(drive::ActiveDialog(), id);
}

void ComputeClick(benchmark::State& state, int button, int input) {
  const char* const values[] = {"2", "3.75"};
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    drive::SetText(Item(input), values[round++ % 2]);
    drive::ProcessEvents();
    state.ResumeTiming();
    drive::Click(Item(button));
    drive::ProcessEvents();  // the repaint of the result field
  }
}

void BM_ComputeTempoClick(benchmark::State& state) {
  ComputeClick(state, IDC_COMPUTE_TEMPO, IDC_PERIOD);
}
void BM_ComputePeriodClick(benchmark::State& state) {
  ComputeClick(state, IDC_COMPUTE_PERIOD, IDC_TEMPO);
}
BENCHMARK(BM_ComputeTempoClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComputePeriodClick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  drive::Toolkit toolkit;
  platform::InstallResources(res::ProgramResources());
  drive::RunSoon([] {
    benchmark::RunSpecifiedBenchmarks();
    drive::PressKey(drive::Key::Escape);
  });
  theApp.InitInstance();
  benchmark::Shutdown();
  return 0;
}
