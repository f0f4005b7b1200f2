#include "platform/resources.h"

namespace platform {
namespace {

const ResourceSet* installed = nullptr;

// The framework's strings that the program can show. It was made in French, and so are
// they.
const std::map<UINT, std::string>& FrameworkStrings() {
  static const std::map<UINT, std::string> strings = {
      {AFX_IDP_FAILED_TO_LAUNCH_HELP, "Le démarrage de l'aide a échoué."},
  };
  return strings;
}

}  // namespace

void InstallResources(const ResourceSet& resources) {
  installed = &resources;
}

const DialogTemplate* FindDialogTemplate(UINT id) {
  if (installed != nullptr) {
    for (const DialogTemplate& dialog : installed->dialogs) {
      if (dialog.id == id) {
        return &dialog;
      }
    }
  }
  return nullptr;
}

const IconGroup* FindIconGroup(UINT id) {
  if (installed != nullptr) {
    for (const IconGroup& group : installed->icons) {
      if (group.id == id) {
        return &group;
      }
    }
  }
  return nullptr;
}

std::string LoadResourceString(UINT id) {
  if (installed != nullptr) {
    if (auto it = installed->strings.find(id); it != installed->strings.end()) {
      return it->second;
    }
  }
  if (auto it = FrameworkStrings().find(id); it != FrameworkStrings().end()) {
    return it->second;
  }
  return {};
}

}  // namespace platform
