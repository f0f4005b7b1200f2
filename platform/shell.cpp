// SPDX-License-Identifier: GPL-3.0-or-later
// Opening documents and the help file through the desktop's opener. Paths and URLs are
// bytes from end to end: a data directory whose name is not UTF-8 reaches the opener as
// it is on disk.

#include "platform/shell.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/resources.h"

extern char** environ;

namespace fs = std::filesystem;

namespace platform {
namespace {

constexpr std::uintmax_t kLargestShortcut = 64 * 1024;

DesktopLauncher& CurrentLauncher() {
  static DesktopLauncher launcher;
  return launcher;
}

// The program's file as PATH finds it, or nothing.
std::optional<std::string> FindProgram(const std::string& program) {
  if (program.find('/') != std::string::npos) {
    return program;
  }
  const char* path = std::getenv("PATH");
  std::string_view rest = path != nullptr ? path : "/usr/bin:/bin";
  while (true) {
    const auto colon = rest.find(':');
    std::string directory(rest.substr(0, colon));
    const std::string candidate = (directory.empty() ? "." : directory) + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
    if (colon == std::string_view::npos) {
      return std::nullopt;
    }
    rest.remove_prefix(colon + 1);
  }
}

// Starts the program in a process of its own, grandchild of ours so that it is never
// waited for and leaves no zombie, in a session of its own. No shell reads the
// arguments. True when the program was started: the grandchild reports a failed exec
// through a pipe that a successful one closes.
bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) {
  const std::optional<std::string> file = FindProgram(program);
  if (!file) {
    return false;
  }
  // Everything the children use is made before forking: after fork, a child of a threaded
  // process may only call async-signal-safe functions.
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) {
    return false;
  }
  const pid_t child = fork();
  if (child < 0) {
    close(report[0]);
    close(report[1]);
    return false;
  }
  if (child == 0) {
    close(report[0]);
    if (fork() == 0) {
      setsid();
      execve(file->c_str(), argv.data(), environ);
      const int error = errno;
      // Nothing is left to do if the report cannot be written: the parent sees no error.
      [[maybe_unused]] const ssize_t reported = write(report[1], &error, sizeof error);
    }
    _exit(0);
  }
  close(report[1]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got = 0;
  while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
  }
  close(report[0]);
  return got == 0;
}

bool Launch(const DesktopLaunch& launch) {
  const DesktopLauncher& launcher = CurrentLauncher();
  return launcher ? launcher(launch) : StartDetached(launch.program, launch.arguments);
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
  // The installation's: share/<name> beside the executable's bin.
  std::error_code error;
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  if (!error) {
    directories.push_back(
        (executable.parent_path().parent_path() / "share" / name).lexically_normal().string());
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
  if (platform::IsInternetShortcut(*mapped)) {
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
