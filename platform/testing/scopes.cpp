// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/testing/scopes.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/cwinapp.h"

namespace platform::testing {

MainWindowScope::MainWindowScope(CWnd* window) {
  AfxGetApp()->m_pMainWnd = window;
}

MainWindowScope::~MainWindowScope() {
  AfxGetApp()->m_pMainWnd = nullptr;
}

LaunchRecorder::LaunchRecorder() {
  SetDesktopLauncher([this](const DesktopLaunch& launch) {
    launches.push_back(launch);
    return true;
  });
}

LaunchRecorder::~LaunchRecorder() {
  SetDesktopLauncher({});
}

HelpFileScope::HelpFileScope(Kind kind) {
  const auto folder = std::filesystem::temp_directory_path();
  path_ = (folder / ("help-" + std::to_string(getpid()) + ".HLP")).string();
  if (kind == Kind::Present) {
    std::ofstream(path_) << "help";
  }
  previous_ = AfxGetApp()->m_pszHelpFilePath;
  AfxGetApp()->m_pszHelpFilePath = path_;
}

HelpFileScope::~HelpFileScope() {
  std::remove(path_.c_str());
  AfxGetApp()->m_pszHelpFilePath = previous_;
}

EnvironmentScope::EnvironmentScope(std::string name, const std::optional<std::string>& value)
    : name_(std::move(name)) {
  if (const char* old = std::getenv(name_.c_str())) {
    previous_ = old;
  }
  if (value) {
    setenv(name_.c_str(), value->c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

EnvironmentScope::~EnvironmentScope() {
  if (previous_) {
    setenv(name_.c_str(), previous_->c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

}  // namespace platform::testing
