// Start-up cost of a dialog made by the platform layer from a template, side by side with
// a bare Qt dialog holding the same widgets. Each iteration starts a fresh process and
// times it from exec to its first window shown on the display; the process's peak
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
#include <QPushButton>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/cdialog.h"
#include "platform/cwinapp.h"
#include "platform/resources.h"

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

// A template laid out like the calculator's main window.
platform::DialogTemplate MainLikeTemplate() {
  using platform::ControlClass;
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
  constexpr DWORD kEdit = kChild | WS_BORDER | WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL;
  platform::DialogTemplate d;
  d.id = 1;
  d.extended = true;
  d.caption = "Start-up";
  d.rect = {0, 0, 241, 125};
  d.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  d.exStyle = WS_EX_APPWINDOW;
  d.controls = {
      {ControlClass::Button,
       1005,
       "&About",
       {7, 102, 59, 16},
       kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
      {ControlClass::Button, 1006, "&Help", {175, 102, 59, 16}, kChild | WS_TABSTOP},
      {ControlClass::Edit, 1002, "", {68, 7, 80, 14}, kEdit},
      {ControlClass::Button, 1001, "Compute &Tempo", {175, 7, 59, 16}, kChild | WS_TABSTOP},
      {ControlClass::Edit, 1004, "", {68, 26, 58, 14}, kEdit},
      {ControlClass::Edit, 1003, "", {67, 47, 80, 14}, kEdit},
      {ControlClass::Button, 1000, "Compute &Period", {175, 46, 59, 16}, kChild | WS_TABSTOP},
      {ControlClass::Static, -1, "Period (loop time) :", {7, 10, 60, 8}, kChild | WS_GROUP},
      {ControlClass::Static, -1, "Tempo :", {38, 50, 28, 8}, kChild | WS_GROUP},
      {ControlClass::Static, -1, "BPM", {151, 50, 16, 8}, kChild | WS_GROUP},
      {ControlClass::Static, -1, "s", {151, 10, 8, 8}, kChild | WS_GROUP},
      {ControlClass::Static, -1, "at :", {54, 29, 11, 10}, kChild | WS_GROUP},
      {ControlClass::Static, -1, "beats", {129, 29, 30, 9}, kChild | WS_GROUP},
      {ControlClass::Button,
       1007,
       "&Display n/th ",
       {67, 65, 87, 12},
       kChild | WS_TABSTOP | BS_AUTOCHECKBOX},
      {ControlClass::Button,
       1009,
       "&Rounded results",
       {67, 81, 65, 11},
       kChild | WS_TABSTOP | BS_AUTOCHECKBOX},
  };
  return d;
}

class LayerApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    qApp->installEventFilter(new FirstExposure);
    CDialog dialog(1);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    return FALSE;
  }
};

int RunLayerChild(char** argv) {
  static const platform::ResourceSet resources{{MainLikeTemplate()}, {}, {}};
  platform::InstallResources(resources);
  LayerApp app;
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

void Startup(benchmark::State& state, const char* mode) {
  long peak = 0;
  for (auto _ : state) {
    const Launch launch = LaunchChild(mode);
    if (!launch.ok) {
      state.SkipWithError("the child showed no window (is there an X display?)");
      return;
    }
    state.SetIterationTime(launch.seconds);
    peak = std::max(peak, launch.peakKilobytes);
  }
  state.counters["peak_rss_kb"] = static_cast<double>(peak);
}

void BM_StartupPlatformDialog(benchmark::State& state) {
  Startup(state, "layer");
}
void BM_StartupBareQtDialog(benchmark::State& state) {
  Startup(state, "bare");
}

BENCHMARK(BM_StartupPlatformDialog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartupBareQtDialog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--child=layer") == 0) {
    return RunLayerChild(argv);
  }
  if (argc > 1 && std::strcmp(argv[1], "--child=bare") == 0) {
    return RunBareChild(argv);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
