// The dialog keyboard, done by this layer rather than by Qt's defaults: Tab order,
// Enter and Escape, mnemonics, closing, help and the system menu; and input refused by disabled
// windows.

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/cdialog.h"
#include "platform/cwinapp.h"
#include "platform/dialog_host_p.h"
#include "platform/keyboard_p.h"
#include "platform/window_p.h"

namespace platform {
namespace {

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

}  // namespace

bool DialogKeyboard::HandleMnemonic(DialogHost& host, HWND focused, QChar letter) {
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

bool DialogKeyboard::HandleKey(DialogHost& host, const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers =
      event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  HWND focused = RecordOf(host.Window()->widget->focusWidget());
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
    host.ShowSystemMenuAtWindow();
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

bool DialogKeyboard::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr) {
    return false;
  }
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
      HWND record = RecordOf(widget);
      if (record == nullptr || record->host == nullptr) {
        return false;
      }
      DialogHost& host = *record->host;
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
      HWND record = RecordOf(widget);
      return record != nullptr && record->host != nullptr && !record->host->Window()->enabled;
    }
    default:
      return false;
  }
}

DialogKeyboard& DialogKeyboard::Instance() {
  static DialogKeyboard* keyboard = [] {
    auto* instance = new DialogKeyboard(qApp);
    qApp->installEventFilter(instance);
    QObject::connect(qApp, &QApplication::focusChanged, instance, [](QWidget* from, QWidget* to) {
      for (QWidget* widget : {from, to}) {
        if (HWND record = RecordOf(widget); record != nullptr && record->host != nullptr) {
          record->host->UpdateDefaultLook();
        }
      }
    });
    return instance;
  }();
  return *keyboard;
}

void InstallDialogKeyboard() {
  DialogKeyboard::Instance();
}

}  // namespace platform
