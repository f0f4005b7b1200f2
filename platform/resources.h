#pragma once

// The program's resources as this layer finds them: dialog templates, strings and icon
// groups by number. The program hands its set over once, before the framework starts;
// the layer's own strings (its help failure message) are always there.

#include <map>
#include <string>
#include <vector>

#include "platform/dialog_template.h"

namespace platform {

// One picture of an icon group, as XPM text data.
struct IconImage {
  const char* const* xpm = nullptr;
};

struct IconGroup {
  UINT id = 0;
  std::vector<IconImage> images;
};

struct ResourceSet {
  std::vector<DialogTemplate> dialogs;
  std::map<UINT, std::string> strings;  // UTF-8
  std::vector<IconGroup> icons;
};

// Keeps a reference: the set must outlive every use, a static in practice.
void InstallResources(const ResourceSet& resources);

// nullptr when there is no such template.
const DialogTemplate* FindDialogTemplate(UINT id);
// nullptr when there is no such icon group.
const IconGroup* FindIconGroup(UINT id);
// The program's string, else the layer's own; empty when neither has it.
std::string LoadResourceString(UINT id);

}  // namespace platform
