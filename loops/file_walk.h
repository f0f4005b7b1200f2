// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The files a run of the tool reads, in order, one at a time: each input as given; for a
// folder, its audio files sorted by name (by their bytes), and with `recursive` its
// folders in the same order, in place. Links to folders are never followed inside a
// folder, so a link that loops cannot loop the walk. A folder that cannot be read is an
// item with its error. Memory holds the names of one folder per level, not the run's.

#include <dirent.h>

#include <optional>
#include <string>
#include <vector>

namespace loops {

struct WalkItem {
  std::string path;
  std::optional<std::string> error;  // the folder could not be listed
};

class FileWalk {
 public:
  FileWalk(std::vector<std::string> inputs, bool recursive);

  // The next file to read (or folder that failed), nothing when the walk is over.
  std::optional<WalkItem> Next();

 private:
  struct Level {
    std::string folder;
    std::vector<std::string> names;
    std::size_t next = 0;
  };
  // Lists a folder onto the stack; an error item when it cannot be read.
  std::optional<WalkItem> Enter(const std::string& folder);

  std::vector<std::string> inputs_;
  std::size_t nextInput_ = 0;
  bool recursive_;
  std::vector<Level> levels_;
};

}  // namespace loops
