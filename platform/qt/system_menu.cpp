// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/system_menu.h"

#include <QKeySequence>
#include <QMenu>
#include <QWindow>

#include "platform/qt/window_handle.h"

namespace platform {

SystemMenu::SystemMenu() {
  items_.items = {{MF_STRING, SC_MOVE, "&Move"},
                  {MF_SEPARATOR, 0, ""},
                  {MF_STRING, SC_CLOSE, "&Close\tAlt+F4"}};
}

void SystemMenu::PopUp(CWnd& dialog, QWidget& window, QPoint at) const {
  QMenu menu(&window);
  for (const HMENU__::Item& item : items_.items) {
    if ((item.flags & MF_SEPARATOR) != 0) {
      menu.addSeparator();
    } else {
      // A tab sets off the item's key: shown beside it, not part of its name.
      const QString text = QString::fromStdString(item.text);
      QAction* action = menu.addAction(text.section(u'\t', 0, 0));
      action->setData(item.id);
      if (text.contains(u'\t')) {
        action->setShortcut(QKeySequence(text.section(u'\t', 1)));
        action->setShortcutContext(Qt::WidgetShortcut);
      }
    }
  }
  if (QAction* chosen = menu.exec(at)) {
    dialog.SendMessage(WM_SYSCOMMAND, chosen->data().toUInt(), 0);
  }
}

void DefaultSystemCommand(HWND window, UINT command) {
  // The low four bits are the platform's own.
  switch (command & 0xFFF0) {
    case SC_CLOSE:
      SendMessage(window, WM_CLOSE);
      break;
    case SC_MOVE:
      if (QWidget* widget = WidgetOf(window); widget != nullptr && widget->windowHandle()) {
        widget->windowHandle()->startSystemMove();
      }
      break;
    default:
      break;
  }
}

}  // namespace platform
