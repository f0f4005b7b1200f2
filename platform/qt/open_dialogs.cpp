// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/open_dialogs.h"

#include "platform/cwinapp.h"
#include "platform/qt/dialog_host.h"

namespace platform {

std::vector<DialogHost*>& OpenDialogs() {
  static std::vector<DialogHost*> open;
  return open;
}

HWND DefaultOwner() {
  CWnd* main = AfxGetMainWnd();
  if (main == nullptr || main->m_hWnd == nullptr) {
    return nullptr;
  }
  // Dialogs nest strictly, so the main window's last active pop-up is the innermost open
  // dialog, or the main window itself.
  const auto& open = OpenDialogs();
  return open.empty() ? main->m_hWnd : open.back()->Window();
}

void SetTopLevelEnabled(HWND window, bool enabled) {
  if (window != nullptr) {
    window->enabled = enabled;
  }
}

HWND HandleOf(const QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    for (DialogHost* host : OpenDialogs()) {
      if (host->Window()->widget == widget) {
        return host->Window();
      }
      for (const auto& control : host->Controls()) {
        if (control->widget == widget) {
          return control.get();
        }
      }
    }
    if (widget->isWindow()) {
      break;
    }
  }
  return nullptr;
}

}  // namespace platform
