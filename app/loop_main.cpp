// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "loops/loop_tool.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return loops::RunLoopTool(arguments,
                            {std::cout, std::cerr, isatty(STDERR_FILENO) == 1, TREMLET_VERSION});
}
