#pragma once

// Internal to the platform layer: the application-wide filter that gives our dialogs the
// platform's keyboard.

#include <QKeyEvent>
#include <QObject>

#include "platform/window_p.h"

namespace platform {

class DialogHost;

class DialogKeyboard : public QObject {
 public:
  static DialogKeyboard& Instance();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using QObject::QObject;
  bool HandleKey(DialogHost& host, const QKeyEvent& event);
  bool HandleMnemonic(DialogHost& host, HWND focused, QChar letter);
};

}  // namespace platform
