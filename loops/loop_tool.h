// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command-line tool: reads loop files and folders and writes one record per audio
// file, in the order given, as they are read by a pool of workers.
//
//   tremlet-loop [options] FILE|FOLDER...
//
// Exit status: 0 when every file was read, 1 when some were not, 2 for a usage error.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace loops {

struct ToolConsole {
  std::ostream& out;
  std::ostream& err;
  bool errIsTerminal = false;  // then a progress line shows on it while the tool works
  std::string_view version;
};

int RunLoopTool(const std::vector<std::string>& arguments, const ToolConsole& console);

}  // namespace loops
