// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A dialog's system menu: the platform's own items, then the program's; popped up by
// Alt+Space or a right click on the window's background; and what the platform does
// with its own items' commands.

#include <QPoint>
#include <QWidget>

#include "platform/cmenu.h"
#include "platform/cwnd.h"

namespace platform {

class SystemMenu {
 public:
  // Starts with the platform's items for a fixed-size dialog: Move, a separator, Close.
  SystemMenu();
  SystemMenu(const SystemMenu&) = delete;
  SystemMenu& operator=(const SystemMenu&) = delete;

  CMenu& Menu() { return menu_; }
  // Pops the menu up at a desktop position and sends WM_SYSCOMMAND to `dialog` for the
  // item chosen, if any.
  void PopUp(CWnd& dialog, QWidget& window, QPoint at) const;

 private:
  HMENU__ items_;
  CMenu menu_{&items_};
};

// The default processing of a system command: Close sends WM_CLOSE; Move asks the window
// manager to start a move, which it may refuse.
void DefaultSystemCommand(HWND window, UINT command);

}  // namespace platform
