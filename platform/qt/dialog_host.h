// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One modal run of a dialog, from creating its window to destroying it.

#include <QEventLoop>
#include <QMimeData>
#include <QPoint>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/dialog_units.h"
#include "platform/qt/system_menu.h"
#include "platform/qt/window_handle.h"

class CDialog;

namespace platform {

class DialogHost;

// The dialog's top-level widget: hands closing and painting to the dialog's messages.
class DialogWidget : public QWidget {
 public:
  DialogWidget(DialogHost& host, QWidget* owner, Qt::WindowFlags flags);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  DialogHost& host_;
};

class DialogHost {
 public:
  DialogHost(CDialog& dialog, const DialogTemplate& dialogTemplate, HWND owner);
  ~DialogHost();
  DialogHost(const DialogHost&) = delete;
  DialogHost& operator=(const DialogHost&) = delete;

  INT_PTR Run();
  void End(int result);
  bool Ending() const { return ended_; }

  CDialog& Dialog() { return dialog_; }
  HWND Window() { return &window_; }
  BaseUnits Units() const { return units_; }
  HWND Control(int id);
  const std::vector<std::unique_ptr<HWND__>>& Controls() const { return controls_; }
  // The template's default push button, or nullptr.
  HWND DefaultPushButton();

  // Sends WM_COMMAND for a control's notification to the dialog.
  void SendCommand(int id, UINT code, HWND control);
  // Tab order: the next (or previous) tab stop after `from`, wrapping; nullptr if none.
  HWND NextTabStop(HWND from, bool backward);
  // Shows the focused push button, else the template's default one, as the default.
  void UpdateDefaultLook();

  // Files dropped from a file manager: one local file at a time, while the window takes
  // input; anything else shows "no drop".
  void AcceptFiles(bool accept);
  bool TakesDrop(const QMimeData& data) const;
  void Drop(const QMimeData& data);

  // nullptr when the template has no system menu.
  CMenu* SystemMenu() { return systemMenu_ ? &systemMenu_->Menu() : nullptr; }
  // Pops the system menu up at a desktop position, if the window has one; the window's
  // top-left corner when no position is given.
  void PopUpSystemMenu(std::optional<QPoint> at = std::nullopt);

 private:
  void CreateWindow();
  void CreateControl(const ControlTemplate& control);
  // Widens the horizontal unit until every text shows whole, then sizes and places the
  // window and its controls from the units.
  void FitTexts();
  void LabelFields();
  void LayOut();
  void Place();
  void Destroy();

  CDialog& dialog_;
  const DialogTemplate& template_;
  HWND owner_;
  HWND__ window_;
  std::vector<std::unique_ptr<HWND__>> controls_;
  std::optional<platform::SystemMenu> systemMenu_;
  BaseUnits units_;
  QEventLoop loop_;
  bool acceptsFiles_ = false;
  bool running_ = false;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace platform
