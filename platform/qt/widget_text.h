// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The text a window shows, whatever kind of widget it is: an edit's contents, a button's
// or label's text, a window's caption.

#include <QString>
#include <QWidget>

namespace platform {

QString WidgetText(const QWidget& widget);
void SetWidgetText(QWidget& widget, const QString& text);

}  // namespace platform
