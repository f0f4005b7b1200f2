// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/system_menu.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QWindow>
#include <cstdint>
#include <cstdlib>

#include "platform/qt/window_handle.h"

// After Qt's headers: xcb's own defines clash with nothing there.
#include <xcb/xcb.h>

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

namespace {

// Asks an X11 window manager to move the window from the keyboard, as the platform's Move
// does (arrow keys, then Enter): _NET_WM_MOVERESIZE with _NET_WM_MOVERESIZE_MOVE_KEYBOARD.
// A pointer move (what Qt's startSystemMove asks) is refused by managers such as mutter
// when no button is down, which is never the case after a menu. False where the display
// is not X11.
bool StartKeyboardMove(QWidget& widget) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr) {
    return false;
  }
  xcb_connection_t* connection = x11->connection();
  static constexpr char kName[] = "_NET_WM_MOVERESIZE";
  const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, sizeof kName - 1, kName);
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(connection, cookie, nullptr);
  if (atom == nullptr) {
    return false;
  }
  constexpr std::uint32_t kMoveKeyboard = 10;
  constexpr std::uint32_t kFromAnApplication = 1;
  const QPoint pointer = QCursor::pos();
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = static_cast<xcb_window_t>(widget.winId());
  message.type = atom->atom;
  message.data.data32[0] = static_cast<std::uint32_t>(pointer.x());
  message.data.data32[1] = static_cast<std::uint32_t>(pointer.y());
  message.data.data32[2] = kMoveKeyboard;
  message.data.data32[3] = 0;  // no button
  message.data.data32[4] = kFromAnApplication;
  free(atom);
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  xcb_send_event(connection, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
  return true;
}

}  // namespace

void DefaultSystemCommand(HWND window, UINT command) {
  // The low four bits are the platform's own.
  switch (command & 0xFFF0) {
    case SC_CLOSE:
      SendMessage(window, WM_CLOSE);
      break;
    case SC_MOVE:
      // On Wayland the compositor may start a move only from an input event of its own,
      // which a menu's choice no longer is: there Move does nothing.
      if (QWidget* widget = WidgetOf(window); widget != nullptr && widget->windowHandle()) {
        if (!StartKeyboardMove(*widget)) {
          widget->windowHandle()->startSystemMove();
        }
      }
      break;
    default:
      break;
  }
}

}  // namespace platform
