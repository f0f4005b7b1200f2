// SPDX-License-Identifier: GPL-3.0-or-later
// Opening documents and the help file through the desktop's opener.

#include "platform/shell.h"

#include "platform/resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace platform {
namespace {

constexpr std::uintmax_t kLargestShortcut = 64 * 1024;

DesktopLauncher& CurrentLauncher() {
  static DesktopLauncher launcher;
  return launcher;
}

bool StartDetached(const DesktopLaunch& launch) {
  QStringList arguments;
  for (const std::string& argument : launch.arguments) {
    arguments << QString::fromStdString(argument);
  }
  // Detached: the opener is not waited for and leaves no zombie; no shell sees the path.
  return QProcess::startDetached(QString::fromStdString(launch.program), arguments);
}

bool Launch(const DesktopLaunch& launch) {
  const DesktopLauncher& launcher = CurrentLauncher();
  return launcher ? launcher(launch) : StartDetached(launch);
}

std::string Lower(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return result;
}

HINSTANCE Result(std::uintptr_t code) {
  return reinterpret_cast<HINSTANCE>(code);
}

}  // namespace

std::vector<std::string> DataDirectories() {
  const std::string& name = InstalledResources().programName;
  std::vector<std::string> directories;
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome != nullptr && dataHome[0] == '/') {
    directories.push_back(std::string(dataHome) + "/" + name);
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
    directories.push_back(std::string(home) + "/.local/share/" + name);
  }
  if (QCoreApplication::instance() != nullptr) {
    directories.push_back(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                          QStringLiteral("/../share/") +
                                          QString::fromStdString(name))
                              .toStdString());
  }
  return directories;
}

void SetDesktopLauncher(DesktopLauncher launcher) {
  CurrentLauncher() = std::move(launcher);
}

}  // namespace platform

HINSTANCE ShellExecuteA(HWND /*owner*/, LPCSTR verb, LPCSTR file, LPCSTR /*parameters*/,
                        LPCSTR /*directory*/, int show) {
  using platform::Result;
  const std::string verbText = verb != nullptr ? verb : "open";
  if (verbText != "open" || file == nullptr) {
    return Result(31);  // no such verb for the file
  }
  const std::optional<std::string> mapped =
      platform::MapDocumentPath(file, platform::DataDirectories());
  if (!mapped) {
    return Result(2);  // file not found
  }
  platform::DesktopLaunch launch{verbText, file, *mapped, show, 0, "xdg-open", {*mapped}};
  if (platform::Lower(fs::path(*mapped).extension().string()) == ".url") {
    std::error_code error;
    if (fs::file_size(*mapped, error) > platform::kLargestShortcut || error) {
      return Result(31);
    }
    std::ifstream stream(*mapped, std::ios::binary);
    const std::string contents((std::istreambuf_iterator<char>(stream)),
                               std::istreambuf_iterator<char>());
    const std::optional<std::string> url = platform::InternetShortcutUrl(contents);
    if (!url) {
      return Result(31);
    }
    launch.arguments = {*url};
  }
  return Result(platform::Launch(launch) ? 42 : 31);
}

BOOL WinHelpA(HWND /*owner*/, LPCSTR helpFile, UINT command, std::uintptr_t data) {
  std::error_code error;
  if (helpFile == nullptr || !fs::is_regular_file(helpFile, error)) {
    return FALSE;
  }
  const platform::DesktopLaunch launch{
      "open",     helpFile,  helpFile, SW_SHOWNORMAL, command == HELP_CONTEXT ? data : 0,
      "xdg-open", {helpFile}};
  return platform::Launch(launch) ? TRUE : FALSE;
}
