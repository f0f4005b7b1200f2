// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/widget_text.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace platform {

QString WidgetText(const QWidget& widget) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
    return edit->text();
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    return button->text();
  }
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    return label->text();
  }
  return widget.windowTitle();
}

void SetWidgetText(QWidget& widget, const QString& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
    edit->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
    button->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
    label->setText(text);
  } else {
    widget.setWindowTitle(text);
  }
}

}  // namespace platform
