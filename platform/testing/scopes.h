// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a test changes in the framework's global state, put back when the scope ends:
// the main window, the desktop's opener, the help file, an environment variable.

#include <optional>
#include <string>
#include <vector>

#include "platform/cwnd.h"
#include "platform/shell.h"

namespace platform::testing {

// Makes `window` the application's main window, as InitInstance does.
class MainWindowScope {
 public:
  explicit MainWindowScope(CWnd* window);
  ~MainWindowScope();
  MainWindowScope(const MainWindowScope&) = delete;
  MainWindowScope& operator=(const MainWindowScope&) = delete;
};

// Puts a recorder in place of the desktop's opener: nothing is started, every launch is
// kept in `launches`.
class LaunchRecorder {
 public:
  LaunchRecorder();
  ~LaunchRecorder();
  LaunchRecorder(const LaunchRecorder&) = delete;
  LaunchRecorder& operator=(const LaunchRecorder&) = delete;

  std::vector<DesktopLaunch> launches;
};

// Points the application's help file at a path, with a file there or none; the previous
// path comes back afterwards.
class HelpFileScope {
 public:
  enum class Kind { Present, Missing };
  explicit HelpFileScope(Kind kind);
  ~HelpFileScope();
  HelpFileScope(const HelpFileScope&) = delete;
  HelpFileScope& operator=(const HelpFileScope&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::string previous_;
};

// Sets an environment variable, or unsets it for std::nullopt.
class EnvironmentScope {
 public:
  EnvironmentScope(std::string name, const std::optional<std::string>& value);
  ~EnvironmentScope();
  EnvironmentScope(const EnvironmentScope&) = delete;
  EnvironmentScope& operator=(const EnvironmentScope&) = delete;

 private:
  std::string name_;
  std::optional<std::string> previous_;
};

}  // namespace platform::testing
