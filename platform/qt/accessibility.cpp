// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/dialog_host.h"
#include "platform/qt/open_dialogs.h"
#include "platform/qt/widget_text.h"

namespace platform {
namespace {

// Whether the widget's window is one of ours that a modal window blocks.
bool Blocked(const QWidget* widget) {
  const HWND handle = HandleOf(widget);
  return handle != nullptr && handle->host != nullptr && !handle->host->Window()->enabled;
}

class DialogAccessible : public QAccessibleWidget {
 public:
  explicit DialogAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Dialog) {}

  // Every window of ours is a modal dialog, the main one included (its modal run is the
  // program's), and so is every message box.
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.modal = true;
    return state;
  }
};

class ButtonAccessible : public QAccessibleWidget {
 public:
  ButtonAccessible(QAbstractButton* button, QAccessible::Role role)
      : QAccessibleWidget(button, role) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) {
      if (!widget()->accessibleName().isEmpty()) {
        return widget()->accessibleName();
      }
      const HWND handle = HandleOf(widget());
      return handle != nullptr ? VisibleText(*handle) : Button().text();
    }
    return QAccessibleWidget::text(kind);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    const QAbstractButton& button = Button();
    state.checkable = button.isCheckable();
    state.checked = button.isChecked();
    state.pressed = button.isDown();
    if (const auto* push = qobject_cast<const QPushButton*>(&button)) {
      state.defaultButton = push->isDefault();
    }
    return state;
  }

  QStringList actionNames() const override {
    QStringList names;
    if (widget()->isEnabled()) {
      names << (Button().isCheckable() ? toggleAction() : pressAction());
    }
    return names + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (Blocked(widget())) {
      return;
    }
    if (action == pressAction() || action == toggleAction()) {
      // Later, from the event loop: a click may open a modal window, and the screen
      // reader waits for this call to return.
      Button().animateClick();
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  QAbstractButton& Button() const { return *static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* Interface(const QString& /*className*/, QObject* object) {
  // Interfaces are made as soon as a widget first speaks (a button does when its text is
  // set, before it is registered with its dialog) and kept: ours are known by their window.
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) {
    return nullptr;
  }
  if (qobject_cast<QMessageBox*>(widget) != nullptr) {
    return new DialogAccessible(widget);
  }
  if (dynamic_cast<DialogWidget*>(widget->window()) == nullptr) {
    return nullptr;  // not one of ours: Qt's own
  }
  if (dynamic_cast<DialogWidget*>(widget) != nullptr) {
    return new DialogAccessible(widget);
  }
  if (auto* box = qobject_cast<QCheckBox*>(widget)) {
    return new ButtonAccessible(box, QAccessible::CheckBox);
  }
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    return new ButtonAccessible(button, QAccessible::PushButton);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&Interface);
    return true;
  }();
  static_cast<void>(installed);
}

}  // namespace platform
