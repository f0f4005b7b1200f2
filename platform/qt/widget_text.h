// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The text a window shows, whatever kind of widget it is: an edit's contents, a button's
// or label's text, a window's caption.

#include <QString>
#include <QWidget>

#include "platform/qt/window_handle.h"

namespace platform {

QString WidgetText(const QWidget& widget);
void SetWidgetText(QWidget& widget, const QString& text);

// What a control shows of its text: without the mnemonic marks, "&&" as "&" (a static
// with SS_NOPREFIX shows its text as it is); empty for controls without text to show.
QString VisibleText(const HWND__& control);

}  // namespace platform
