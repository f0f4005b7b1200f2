// SPDX-License-Identifier: GPL-3.0-or-later
#include "loops/file_walk.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "loops/loop_reading.h"

namespace loops {
namespace {

std::string Join(const std::string& folder, const std::string& name) {
  return folder.ends_with('/') ? folder + name : folder + "/" + name;
}

}  // namespace

FileWalk::FileWalk(std::vector<std::string> inputs, bool recursive)
    : inputs_(std::move(inputs)), recursive_(recursive) {}

std::optional<WalkItem> FileWalk::Enter(const std::string& folder) {
  DIR* listing = opendir(folder.c_str());
  if (listing == nullptr) {
    return WalkItem{folder,
                    std::string("The folder cannot be read: ") + std::strerror(errno) + "."};
  }
  Level level{folder, {}, 0};
  errno = 0;
  while (const dirent* entry = readdir(listing)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") {
      level.names.push_back(name);
    }
  }
  const int error = errno;
  closedir(listing);
  if (error != 0) {
    return WalkItem{folder,
                    std::string("The folder cannot be read: ") + std::strerror(error) + "."};
  }
  std::sort(level.names.begin(), level.names.end());
  levels_.push_back(std::move(level));
  return std::nullopt;
}

std::optional<WalkItem> FileWalk::Next() {
  while (true) {
    if (!levels_.empty()) {
      Level& level = levels_.back();
      if (level.next == level.names.size()) {
        levels_.pop_back();
        continue;
      }
      const std::string& name = level.names[level.next++];
      const std::string path = Join(level.folder, name);
      struct stat status {};
      if (lstat(path.c_str(), &status) != 0) {
        // Gone since the listing, or unreadable: an audio file says so when read.
        if (HasAudioExtension(name)) {
          return WalkItem{path, std::nullopt};
        }
        continue;
      }
      if (S_ISDIR(status.st_mode)) {
        if (recursive_) {
          if (auto failed = Enter(path)) {
            return failed;
          }
        }
        continue;
      }
      if (S_ISLNK(status.st_mode)) {
        // A link to a file is read; a link to a folder is not followed.
        struct stat target {};
        if (stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode)) {
          continue;
        }
      }
      if (HasAudioExtension(name)) {
        return WalkItem{path, std::nullopt};
      }
      continue;
    }
    if (nextInput_ == inputs_.size()) {
      return std::nullopt;
    }
    const std::string& input = inputs_[nextInput_++];
    struct stat status {};
    if (stat(input.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
      if (auto failed = Enter(input)) {
        return failed;
      }
      continue;
    }
    // Named on the command line: read whatever it is, and say why when it cannot be.
    return WalkItem{input, std::nullopt};
  }
}

}  // namespace loops
