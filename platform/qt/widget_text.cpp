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

QString VisibleText(const HWND__& control) {
  const QWidget* widget = control.widget;
  if (widget == nullptr || control.kind == WindowKind::Edit ||
      control.kind == WindowKind::StaticIcon || control.kind == WindowKind::Dialog) {
    return {};
  }
  QString text = WidgetText(*widget);
  if (control.kind != WindowKind::Static || (control.style & SS_NOPREFIX) == 0) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(QStringLiteral("\x01"), QStringLiteral("&"));
  }
  return text;
}

}  // namespace platform
