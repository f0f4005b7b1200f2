// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/input_filter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include "platform/cdialog.h"
#include "platform/cwinapp.h"
#include "platform/qt/dialog_host.h"
#include "platform/qt/open_dialogs.h"

namespace platform {
namespace {

class InputFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool HandleKey(DialogHost& host, const QKeyEvent& event);
  bool HandleMnemonic(DialogHost& host, HWND focused, QChar letter);
};

// The character after the first single "&", upper-cased; 0 when there is none.
QChar MnemonicOf(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == u'&') {
      if (text[i + 1] != u'&') {
        return text[i + 1].toUpper();
      }
      ++i;
    }
  }
  return {};
}

QString TextOf(HWND control) {
  QWidget* widget = control->widget;
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    return button->text();
  }
  if (control->kind == WindowKind::Static && (control->style & SS_NOPREFIX) == 0) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      return label->text();
    }
  }
  return {};
}

bool IsUsable(HWND control) {
  return control->widget && control->widget->isVisible() && control->widget->isEnabled();
}

QChar KeyLetter(const QKeyEvent& event) {
  const int key = event.key();
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
    return QChar(key);
  }
  return {};
}

bool InputFilter::HandleMnemonic(DialogHost& host, HWND focused, QChar letter) {
  const auto& controls = host.Controls();
  const auto count = static_cast<int>(controls.size());
  int start = -1;
  for (int i = 0; i < count; ++i) {
    if (controls[static_cast<std::size_t>(i)].get() == focused) {
      start = i;
    }
  }
  // The search starts after the focused control and wraps around.
  for (int step = 1; step <= count; ++step) {
    HWND control = controls[static_cast<std::size_t>((start + step + count) % count)].get();
    if (!IsUsable(control) && control->kind != WindowKind::Static) {
      continue;
    }
    if (MnemonicOf(TextOf(control)) != letter) {
      continue;
    }
    switch (control->kind) {
      case WindowKind::PushButton:
        qobject_cast<QAbstractButton*>(control->widget.data())->click();
        return true;
      case WindowKind::CheckBox:
        control->widget->setFocus(Qt::ShortcutFocusReason);
        qobject_cast<QAbstractButton*>(control->widget.data())->click();
        return true;
      case WindowKind::Static:
        if (HWND next = host.NextTabStop(control, false)) {
          next->widget->setFocus(Qt::ShortcutFocusReason);
        }
        return true;
      default:
        return true;
    }
  }
  return false;
}

bool InputFilter::HandleKey(DialogHost& host, const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers =
      event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  HWND focused = HandleOf(host.Window()->widget->focusWidget());
  if (focused != nullptr && focused->host != &host) {
    focused = nullptr;
  }
  const int key = event.key();

  if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) &&
      (modifiers & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
    const bool backward = key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier) != 0;
    if (HWND next = host.NextTabStop(focused, backward)) {
      next->widget->setFocus(backward ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    }
    return true;
  }
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && (modifiers & Qt::AltModifier) == 0) {
    // The focused push button, else the default push button, else IDOK.
    HWND target = nullptr;
    if (focused != nullptr && focused->kind == WindowKind::PushButton) {
      target = focused;
    } else {
      target = host.DefaultPushButton();
    }
    if (target != nullptr && !IsUsable(target)) {
      return true;
    }
    host.SendCommand(target != nullptr ? target->id : IDOK, BN_CLICKED, target);
    return true;
  }
  if (key == Qt::Key_Escape && modifiers == Qt::NoModifier) {
    host.SendCommand(IDCANCEL, BN_CLICKED, host.Control(IDCANCEL));
    return true;
  }
  if (key == Qt::Key_F4 && modifiers == Qt::AltModifier) {
    host.Dialog().SendMessage(WM_CLOSE);
    return true;
  }
  if (key == Qt::Key_Space && modifiers == Qt::AltModifier) {
    host.PopUpSystemMenu();
    return true;
  }
  if (key == Qt::Key_F1 && modifiers == Qt::NoModifier) {
    // Help is the main window's command, which passes it on to the application.
    if (CWnd* main = AfxGetMainWnd(); main != nullptr && main->m_hWnd != nullptr) {
      main->SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, BN_CLICKED), 0);
    }
    return true;
  }
  const QChar letter = KeyLetter(event);
  if (!letter.isNull()) {
    // Alt and a letter anywhere; the letter alone where the focus does not take text.
    const bool takesText = focused != nullptr && focused->kind == WindowKind::Edit;
    if (modifiers == Qt::AltModifier || (modifiers == Qt::NoModifier && !takesText)) {
      return HandleMnemonic(host, focused, letter) || modifiers == Qt::AltModifier;
    }
  }
  return false;
}

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr) {
    return false;
  }
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
      HWND handle = HandleOf(widget);
      if (handle == nullptr || handle->host == nullptr) {
        return false;
      }
      DialogHost& host = *handle->host;
      if (!host.Window()->enabled) {
        return true;  // a disabled window takes no input
      }
      if (event->type() == QEvent::ShortcutOverride) {
        // Keep Qt's own shortcuts (button mnemonics, label buddies) out of the way: every
        // key reaches us as a key press.
        event->accept();
        return true;
      }
      return HandleKey(host, *static_cast<QKeyEvent*>(event));
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel: {
      HWND handle = HandleOf(widget);
      return handle != nullptr && handle->host != nullptr && !handle->host->Window()->enabled;
    }
    default:
      return false;
  }
}

}  // namespace

void InstallInputFilter() {
  static const InputFilter* installed = [] {
    auto* filter = new InputFilter(qApp);
    qApp->installEventFilter(filter);
    // The default look follows the focus: the focused push button, else the default one.
    QObject::connect(qApp, &QApplication::focusChanged, filter, [](QWidget* from, QWidget* to) {
      for (QWidget* widget : {from, to}) {
        if (HWND handle = HandleOf(widget); handle != nullptr && handle->host != nullptr) {
          handle->host->UpdateDefaultLook();
        }
      }
    });
    return filter;
  }();
  static_cast<void>(installed);
}

}  // namespace platform
