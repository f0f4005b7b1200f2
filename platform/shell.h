// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Opening documents and the help viewer, as the program asks for them with Windows paths.
//
// Drive C is the folder "drive_c" in the program's data directories: the user's
// ($XDG_DATA_HOME/tremlet, by default ~/.local/share/tremlet) first, then the
// installation's (share/tremlet beside the executable's bin). Backslashes become
// slashes, letters may differ in case, and the first existing file wins:
//   "c:\audio\help.html" -> ~/.local/share/tremlet/drive_c/audio/help.html, if it exists
//   "d:\x.txt", "x.txt", "c:\..\etc\passwd" -> nothing: other drives, relative paths
//                                              and ".." never reach outside
// The file goes to the desktop's opener (xdg-open) as one argument, never through a
// shell, in a detached process, byte for byte as the file system names it. An Internet
// shortcut (.url) is opened by its URL, and only an http or https one. Nothing is shown
// when the file or the opener is missing.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win_defs.h"

// Returns a value above 32 when something was started, as the platform's does; the
// program does not look at it.
HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                        int show);

// Opens the help file through the desktop's opener when the file exists; FALSE when it
// does not (there is no viewer for it otherwise).
BOOL WinHelpA(HWND owner, LPCSTR helpFile, UINT command, std::uintptr_t data);

// What a drop handle stands for: the dropped files' paths.
struct HDROP__ {
  std::vector<std::string> files;
};

// Files dropped on a window (WM_DROPFILES): with index 0xFFFFFFFF the number of files;
// else the length of that file's path, which is copied into `file` (NUL-terminated, cut to
// `size` bytes) when `file` is given. The path is bytes, as the file system names it.
UINT DragQueryFileA(HDROP drop, UINT index, LPSTR file, UINT size);
// The drop belongs to the platform, which frees it when the message has been handled;
// this is here for the windows' code, and does nothing.
void DragFinish(HDROP drop);

namespace platform {

// The local files of a drag's "text/uri-list": file: URIs without a host or on
// "localhost", percent-decoded to the path's bytes. Comments and other schemes are left
// out:
//   "file:///home/me/caf%E9.wav\r\n"  -> {"/home/me/caf\xE9.wav"}
//   "https://example.org/a.wav\r\n"   -> {}
std::vector<std::string> LocalFilesFromUriList(std::string_view uriList);

// The program's data directories, most important first.
std::vector<std::string> DataDirectories();

// The local file for a Windows path, or nothing.
std::optional<std::string> MapDocumentPath(std::string_view windowsPath,
                                           const std::vector<std::string>& dataDirectories);

// Whether a file is an Internet shortcut, by its extension ".url" in any case.
bool IsInternetShortcut(std::string_view path);

// The URL of an Internet shortcut's contents, if it is an http or https one. The file may
// be 8-bit text, UTF-8 with a byte-order mark, or UTF-16 with one.
std::optional<std::string> InternetShortcutUrl(std::string_view contents);

// What is about to be started.
struct DesktopLaunch {
  std::string verb;           // "open"
  std::string requestedPath;  // as the program gave it
  std::string mappedPath;     // the local file
  int show = SW_SHOWNORMAL;
  unsigned long helpContext = 0;       // for the help viewer
  std::string program;                 // "xdg-open"
  std::vector<std::string> arguments;  // one: the file or the shortcut's URL
};

// Starts the launch; true when it started. The default starts the program detached.
using DesktopLauncher = std::function<bool(const DesktopLaunch&)>;
// Tests put their own in place to see the launches without starting anything; an empty
// function puts the default back.
void SetDesktopLauncher(DesktopLauncher launcher);

}  // namespace platform
