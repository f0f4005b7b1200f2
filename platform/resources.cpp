// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/resources.h"

#include <algorithm>

namespace platform {
namespace {

const ResourceSet* installed = nullptr;

}  // namespace

void InstallResources(const ResourceSet& resources) {
  installed = &resources;
}

const ResourceSet& InstalledResources() {
  static const ResourceSet none;
  return installed != nullptr ? *installed : none;
}

const DialogTemplate* FindDialogTemplate(UINT id) {
  const auto& dialogs = InstalledResources().dialogs;
  const auto it = std::find_if(dialogs.begin(), dialogs.end(),
                               [id](const DialogTemplate& dialog) { return dialog.id == id; });
  return it != dialogs.end() ? &*it : nullptr;
}

const IconGroup* FindIconGroup(UINT id) {
  const auto& icons = InstalledResources().icons;
  const auto it = std::find_if(icons.begin(), icons.end(),
                               [id](const IconGroup& group) { return group.id == id; });
  return it != icons.end() ? &*it : nullptr;
}

std::string LoadResourceString(UINT id) {
  const auto& strings = InstalledResources().strings;
  const auto it = strings.find(id);
  return it != strings.end() ? it->second : std::string();
}

}  // namespace platform
