// SPDX-License-Identifier: GPL-3.0-or-later
// Files dropped on a window, as the windows ask for them and as a drag carries them.

#include <algorithm>
#include <cstring>

#include "platform/shell.h"

namespace platform {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

// "%xx" escapes to their bytes; a "%" without two hex digits stays as it is.
std::string PercentDecoded(std::string_view text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
        HexValue(text[i + 2]) >= 0) {
      bytes += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      bytes += text[i];
    }
  }
  return bytes;
}

}  // namespace

std::vector<std::string> LocalFilesFromUriList(std::string_view uriList) {
  std::vector<std::string> files;
  while (!uriList.empty()) {
    const auto end = uriList.find_first_of("\r\n");
    std::string_view line = uriList.substr(0, end);
    uriList.remove_prefix(end == std::string_view::npos ? uriList.size() : end + 1);
    if (line.empty() || line.front() == '#' || !line.starts_with("file:")) {
      continue;
    }
    line.remove_prefix(5);
    if (line.starts_with("//")) {
      // An authority: none, or this machine's.
      line.remove_prefix(2);
      const auto slash = line.find('/');
      const std::string_view host = line.substr(0, slash);
      if (slash == std::string_view::npos || (!host.empty() && host != "localhost")) {
        continue;
      }
      line.remove_prefix(slash);
    }
    if (line.starts_with('/')) {
      files.push_back(PercentDecoded(line));
    }
  }
  return files;
}

}  // namespace platform

UINT DragQueryFileA(HDROP drop, UINT index, LPSTR file, UINT size) {
  if (drop == nullptr) {
    return 0;
  }
  if (index == 0xFFFFFFFF) {
    return static_cast<UINT>(drop->files.size());
  }
  if (index >= drop->files.size()) {
    return 0;
  }
  const std::string& path = drop->files[index];
  if (file != nullptr && size > 0) {
    const std::size_t copied = std::min<std::size_t>(path.size(), size - 1);
    std::memcpy(file, path.data(), copied);
    file[copied] = '\0';
  }
  return static_cast<UINT>(path.size());
}

void DragFinish(HDROP /*drop*/) {}
