// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a window handle stands for in the Qt backend: a widget of one of our dialogs.

#include <QPointer>
#include <QWidget>

#include "platform/cwnd.h"

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

// The live widget behind a handle; nullptr for a null handle or a window already gone.
inline QWidget* WidgetOf(HWND hWnd) {
  return hWnd != nullptr ? hWnd->widget.data() : nullptr;
}

}  // namespace platform
