#pragma once

// The program's resources: its three dialog templates, its string table and its icons.

#include "platform/resources.h"

namespace res {

const platform::ResourceSet& ProgramResources();

// The version block: its fixed part and its string table.
struct VersionBlock {
  const char* fileVersion;     // "1.0.0.1"
  const char* productVersion;  // "1.0.0.1"
  unsigned flagsMask;          // 0x3F
  bool privateBuild;
  bool specialBuild;
  const char* fileOs;    // 32-bit Windows
  const char* fileType;  // application
  unsigned fileSubtype;
  unsigned language;  // 0x040C
  unsigned codePage;  // 0x04B0
  struct Entry {
    const char* key;
    const char* value;
  };
  Entry strings[12];
};

extern const VersionBlock kVersionBlock;

}  // namespace res
