// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The dialogs open right now, innermost last, and what follows from them: the owner of a
// new window, and which of our windows a widget belongs to.

#include <vector>

#include "platform/qt/window_handle.h"

namespace platform {

std::vector<DialogHost*>& OpenDialogs();

// The owner of a window opened without a parent: the main window's last active pop-up,
// or nullptr while the main window has no window.
HWND DefaultOwner();

// Sets the enabled state of a top-level window, which then refuses or takes input.
void SetTopLevelEnabled(HWND window, bool enabled);

// The handle of a widget of one of our open dialogs (the widget itself, or its nearest
// ancestor up to its window that is ours); nullptr for widgets that are not ours.
HWND HandleOf(const QWidget* widget);

}  // namespace platform
