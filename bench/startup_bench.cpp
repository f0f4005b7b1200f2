// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up cost of the calculator, its main window made by the platform layer from its
// template, side by side with a bare Qt dialog holding the same widgets. Each iteration starts a
// fresh process and times it from exec to its first window shown on the display; the process's peak
// resident memory is read when it exits. Run it on an X display (xvfb-run).

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/cwinapp.h"
#include "platform/resources.h"
#include "res/icon_images.h"
#include "res/program_resources.h"

extern char** environ;

namespace {

// Says "shown" on stdout when the first window is exposed, and ends the process there.
class FirstExposure : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose) {
      if (auto* window = qobject_cast<QWindow*>(watched);
          window != nullptr && window->isExposed()) {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        _exit(0);
      }
    }
    return false;
  }
};

void WatchForFirstExposure() {
  qApp->installEventFilter(new FirstExposure);
}

// The program itself, from its own entry point: the application object, the resources,
// the framework's start-up, the main window.
int RunProgramChild(char** argv) {
  qAddPreRoutine(WatchForFirstExposure);
  platform::InstallResources(res::ProgramResources());
  return AfxWinMain(1, argv);
}

int RunBareChild(char** argv) {
  int argc = 1;
  QApplication toolkit(argc, argv);
  toolkit.installEventFilter(new FirstExposure);
  QDialog dialog;
  dialog.setWindowTitle("Start-up");
  QFont font("MS Sans Serif");
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(8);
  dialog.setFont(font);
  dialog.setFixedSize(422, 203);
  const auto place = [](QWidget* w, int x, int y, int width, int height) {
    w->setGeometry(x, y, width, height);
  };
  place(new QPushButton("&About", &dialog), 12, 166, 103, 26);
  place(new QPushButton("&Help", &dialog), 306, 166, 103, 26);
  place(new QLineEdit(&dialog), 119, 11, 140, 23);
  place(new QPushButton("Compute &Tempo", &dialog), 306, 11, 103, 26);
  place(new QLineEdit(&dialog), 119, 42, 102, 23);
  place(new QLineEdit(&dialog), 117, 76, 140, 23);
  place(new QPushButton("Compute &Period", &dialog), 306, 75, 103, 26);
  for (const char* text : {"Period (loop time) :", "Tempo :", "BPM", "s", "at :", "beats"}) {
    place(new QLabel(text, &dialog), 12, 16, 105, 13);
  }
  auto* emblem = new QLabel(&dialog);
  QPixmap picture;
  picture.loadFromData(res::icons::kEmblem32.png, static_cast<uint>(res::icons::kEmblem32.size));
  emblem->setPixmap(picture);
  place(emblem, 193, 159, 32, 32);
  place(new QCheckBox("&Display n/th ", &dialog), 117, 106, 152, 20);
  place(new QCheckBox("&Rounded results", &dialog), 117, 132, 114, 18);
  return dialog.exec();
}

struct Launch {
  double seconds = 0;
  long peakKilobytes = 0;
  bool ok = false;
};

Launch LaunchChild(const char* mode) {
  int output[2];
  if (pipe(output) != 0) {
    return {};
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, output[0]);
  char self[] = "/proc/self/exe";
  std::string modeArgument = std::string("--child=") + mode;
  char* argv[] = {self, modeArgument.data(), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int spawned = posix_spawn(&child, self, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(output[1]);
  Launch launch;
  char buffer[16] = {};
  if (spawned == 0 && read(output[0], buffer, sizeof buffer - 1) > 0 &&
      std::strncmp(buffer, "shown", 5) == 0) {
    launch.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    launch.ok = true;
  }
  close(output[0]);
  int status = 0;
  rusage usage{};
  if (spawned == 0 && wait4(child, &status, 0, &usage) == child) {
    launch.peakKilobytes = usage.ru_maxrss;
  }
  return launch;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// Pairs of launches, the order alternating within each pair, so that whatever else the
// machine does weighs on both sides alike. Reports medians and their ratios.
void BM_StartupSideBySide(benchmark::State& state) {
  std::vector<double> programTimes, bareTimes, programPeaks, barePeaks;
  bool programFirst = true;
  for (auto _ : state) {
    for (const bool program : {programFirst, !programFirst}) {
      const Launch launch = LaunchChild(program ? "program" : "bare");
      if (!launch.ok) {
        state.SkipWithError("a child showed no window (is there an X display?)");
        return;
      }
      (program ? programTimes : bareTimes).push_back(launch.seconds * 1e3);
      (program ? programPeaks : barePeaks).push_back(static_cast<double>(launch.peakKilobytes));
    }
    state.SetIterationTime(programTimes.back() / 1e3);
    programFirst = !programFirst;
  }
  const double programTime = Median(programTimes);
  const double bareTime = Median(bareTimes);
  const double programPeak = Median(programPeaks);
  const double barePeak = Median(barePeaks);
  state.counters["program_ms"] = programTime;
  state.counters["bare_qt_ms"] = bareTime;
  state.counters["time_ratio"] = programTime / bareTime;
  state.counters["program_rss_kb"] = programPeak;
  state.counters["bare_qt_rss_kb"] = barePeak;
  state.counters["rss_ratio"] = programPeak / barePeak;
}

BENCHMARK(BM_StartupSideBySide)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--child=program") == 0) {
    return RunProgramChild(argv);
  }
  if (argc > 1 && std::strcmp(argv[1], "--child=bare") == 0) {
    return RunBareChild(argv);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
