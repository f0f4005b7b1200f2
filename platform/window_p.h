#pragma once

// Internal to the platform layer: what a window handle stands for, over Qt.

#include <QPointer>
#include <QWidget>

#include "platform/cwnd.h"
#include "platform/dialog_template.h"

namespace platform {

class DialogHost;

enum class WindowKind { Dialog, PushButton, CheckBox, Edit, Static, StaticIcon };

}  // namespace platform

struct HWND__ {
  QPointer<QWidget> widget;
  platform::WindowKind kind = platform::WindowKind::Static;
  int id = 0;
  DWORD style = 0;
  // The C++ window object attached to this window: the dialog object, or a control
  // wrapper bound by DDX_Control. Detached when the window goes.
  CWnd* attached = nullptr;
  // The dialog this window is, or whose control it is.
  platform::DialogHost* host = nullptr;
  // A top-level window refuses input while disabled; controls use Qt's own state.
  bool enabled = true;
  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
};

namespace platform {

// The dialogs open right now, innermost last.
std::vector<DialogHost*>& OpenDialogs();

// The owner of a window opened without a parent: the main window's last active pop-up,
// or nullptr while the main window has no window.
HWND DefaultOwner();

// Sets the Windows-style enabled state of a top-level window.
void SetTopLevelEnabled(HWND window, bool enabled);

// Finds the record of a widget of one of our windows (the widget itself or an ancestor
// up to its window); nullptr for widgets that are not ours.
HWND RecordOf(const QWidget* widget);

}  // namespace platform
