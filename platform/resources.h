// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's resources as this layer finds them: dialog templates, strings and icon
// groups by number, and the name the program goes by on the desktop. The program hands
// its set over once, before the framework starts.

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "platform/dialog_template.h"

namespace platform {

// One picture of an icon group: the bytes of a PNG image.
struct IconImage {
  const unsigned char* png = nullptr;
  std::size_t size = 0;
};

struct IconGroup {
  UINT id = 0;
  std::vector<IconImage> images;
};

struct ResourceSet {
  // The program's name on the desktop: its folder in the data directories
  // (~/.local/share/<name>), and its name when the executable's cannot be known.
  std::string programName;
  // Its desktop entry's name without ".desktop" ("example.tremlet.Tremlet"): the
  // application id a Wayland compositor and the desktop's task bar know it by.
  std::string desktopEntry;
  std::vector<DialogTemplate> dialogs;
  // UTF-8. The framework's own messages that the program can show (its help failure
  // message) are the program's too, in the program's language.
  std::map<UINT, std::string> strings;
  std::vector<IconGroup> icons;
};

// Keeps a reference: the set must outlive every use, a static in practice.
void InstallResources(const ResourceSet& resources);

// The installed set; an empty one before InstallResources.
const ResourceSet& InstalledResources();
// nullptr when there is no such template.
const DialogTemplate* FindDialogTemplate(UINT id);
// nullptr when there is no such icon group.
const IconGroup* FindIconGroup(UINT id);
// Empty when the program has no such string.
std::string LoadResourceString(UINT id);

}  // namespace platform
