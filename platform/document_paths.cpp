// SPDX-License-Identifier: GPL-3.0-or-later
// Windows paths of documents mapped into the program's data directories, and the URL of
// an Internet shortcut. Pure file-system and text work: nothing is opened here.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>

#include "platform/shell.h"

namespace fs = std::filesystem;

namespace platform {
namespace {

std::string Lower(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return result;
}

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) {
    return {};
  }
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

// One step down a directory, the name matched without regard to case as on the platform
// the paths come from; an exact match wins.
std::optional<fs::path> Child(const fs::path& directory, const std::string& name) {
  std::error_code error;
  if (fs::exists(directory / name, error)) {
    return directory / name;
  }
  const std::string wanted = Lower(name);
  for (const auto& entry : fs::directory_iterator(directory, error)) {
    if (Lower(entry.path().filename().string()) == wanted) {
      return entry.path();
    }
  }
  return std::nullopt;
}

// UTF-8 for a code point.
void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// A shortcut's text as 8-bit text: saved as UTF-8 with a byte-order mark, the mark goes;
// saved as UTF-16 (which starts with its mark), it becomes UTF-8.
std::string ShortcutText(std::string_view contents) {
  if (contents.starts_with("\xEF\xBB\xBF")) {
    return std::string(contents.substr(3));
  }
  const bool little = contents.starts_with("\xFF\xFE");
  if (!little && !contents.starts_with("\xFE\xFF")) {
    return std::string(contents);
  }
  std::string text;
  const auto unit = [&](std::size_t i) -> char32_t {
    const auto first = char32_t{static_cast<unsigned char>(contents[i])};
    const auto second = char32_t{static_cast<unsigned char>(contents[i + 1])};
    return little ? first | (second << 8) : (first << 8) | second;
  };
  for (std::size_t i = 2; i + 1 < contents.size(); i += 2) {
    char32_t c = unit(i);
    if (c >= 0xD800 && c < 0xDC00 && i + 3 < contents.size() && unit(i + 2) >= 0xDC00 &&
        unit(i + 2) < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;  // half of a pair
    }
    AppendUtf8(text, c);
  }
  return text;
}

}  // namespace

bool IsInternetShortcut(std::string_view path) {
  return Lower(fs::path(path).extension().string()) == ".url";
}

std::optional<std::string> MapDocumentPath(std::string_view windowsPath,
                                           const std::vector<std::string>& dataDirectories) {
  if (windowsPath.size() < 4 || std::tolower(static_cast<unsigned char>(windowsPath[0])) != 'c' ||
      windowsPath[1] != ':' || (windowsPath[2] != '\\' && windowsPath[2] != '/')) {
    return std::nullopt;  // only absolute paths on drive C
  }
  std::vector<std::string> components;
  std::string component;
  for (const char c : windowsPath.substr(3)) {
    if (c == '\\' || c == '/') {
      components.push_back(component);
      component.clear();
    } else {
      component += c;
    }
  }
  components.push_back(component);
  std::erase_if(components, [](const std::string& part) { return part.empty() || part == "."; });
  if (components.empty() ||
      std::find(components.begin(), components.end(), "..") != components.end()) {
    return std::nullopt;
  }

  for (const std::string& directory : dataDirectories) {
    std::error_code error;
    const fs::path root = fs::path(directory) / "drive_c";
    std::optional<fs::path> current = root;
    for (const std::string& part : components) {
      current = Child(*current, part);
      if (!current) {
        break;
      }
    }
    if (!current || !fs::is_regular_file(*current, error)) {
      continue;
    }
    // A link inside the tree must not lead out of it.
    const fs::path resolved = fs::canonical(*current, error);
    const fs::path base = fs::canonical(root, error);
    if (error) {
      continue;
    }
    const auto [baseEnd, unused] =
        std::mismatch(base.begin(), base.end(), resolved.begin(), resolved.end());
    if (baseEnd == base.end()) {
      return resolved.string();
    }
  }
  return std::nullopt;
}

std::optional<std::string> InternetShortcutUrl(std::string_view contents) {
  bool inShortcut = false;
  std::istringstream lines{ShortcutText(contents)};
  for (std::string line; std::getline(lines, line);) {
    const std::string_view text = Trim(line);
    if (text.starts_with('[')) {
      inShortcut = Lower(text) == "[internetshortcut]";
      continue;
    }
    const auto equals = text.find('=');
    if (!inShortcut || equals == std::string_view::npos ||
        Lower(Trim(text.substr(0, equals))) != "url") {
      continue;
    }
    const std::string url(Trim(text.substr(equals + 1)));
    const std::string scheme = Lower(url.substr(0, url.find(':') + 1));
    if ((scheme == "http:" || scheme == "https:") && url.size() > scheme.size() + 2 &&
        url.compare(scheme.size(), 2, "//") == 0) {
      return url;
    }
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace platform
