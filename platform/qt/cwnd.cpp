// SPDX-License-Identifier: GPL-3.0-or-later
// Windows and controls over Qt widgets: texts, states, geometry, focus, icons, and the
// platform's default processing of the messages that no message map takes.

#include "platform/cwnd.h"

#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QWidget>
#include <cassert>

#include "platform/qt/dialog_host.h"
#include "platform/qt/gdi_objects.h"
#include "platform/qt/open_dialogs.h"
#include "platform/qt/system_menu.h"
#include "platform/qt/widget_text.h"

using platform::WidgetOf;

namespace {

bool IsTopLevel(HWND hWnd) {
  return hWnd->kind == platform::WindowKind::Dialog;
}

void ApplyIcons(HWND hWnd) {
  QIcon icon;
  for (HICON source : {hWnd->bigIcon, hWnd->smallIcon}) {
    if (source != nullptr) {
      for (const QSize& size : source->icon.availableSizes()) {
        icon.addPixmap(source->icon.pixmap(size));
      }
    }
  }
  hWnd->widget->setWindowIcon(icon);
}

// What the platform does with a message that no message map took.
LRESULT DefaultWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  QWidget* widget = WidgetOf(hWnd);
  if (widget == nullptr) {
    return 0;
  }
  switch (message) {
    case WM_SYSCOMMAND:
      platform::DefaultSystemCommand(hWnd, static_cast<UINT>(wParam));
      return 0;
    case WM_SETICON: {
      HICON& slot = wParam == ICON_BIG ? hWnd->bigIcon : hWnd->smallIcon;
      HICON previous = slot;
      slot = reinterpret_cast<HICON>(lParam);
      ApplyIcons(hWnd);
      return reinterpret_cast<LRESULT>(previous);
    }
    case WM_ICONERASEBKGND: {
      // Erase behind the icon of a minimized window with the window's background.
      auto* dc = reinterpret_cast<HDC>(wParam);
      if (dc != nullptr && dc->painter != nullptr) {
        dc->painter->fillRect(widget->rect(), widget->palette().window());
      }
      return 1;
    }
    case BM_GETCHECK:
      if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        return box->isChecked() ? BST_CHECKED : BST_UNCHECKED;
      }
      return BST_UNCHECKED;
    case BM_SETCHECK:
      if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        box->setChecked(wParam != static_cast<WPARAM>(BST_UNCHECKED));
      }
      return 0;
    default:
      return 0;
  }
}

}  // namespace

CWnd::~CWnd() {
  if (m_hWnd != nullptr && m_hWnd->attached == this) {
    m_hWnd->attached = nullptr;
  }
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultWindowProc(m_hWnd, message, wParam, lParam);
}

void CWnd::SetWindowText(std::string_view text) {
  if (QWidget* widget = WidgetOf(m_hWnd)) {
    platform::SetWidgetText(*widget,
                            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
}

void CWnd::GetWindowText(std::string& text) const {
  text = GetWindowText();
}

std::string CWnd::GetWindowText() const {
  QWidget* widget = WidgetOf(m_hWnd);
  return widget != nullptr ? platform::WidgetText(*widget).toUtf8().toStdString() : std::string();
}

int CWnd::GetDlgCtrlID() const {
  return m_hWnd != nullptr ? m_hWnd->id : 0;
}

BOOL CWnd::EnableWindow(BOOL enable) {
  if (m_hWnd == nullptr) {
    return FALSE;
  }
  const BOOL wasDisabled = !IsWindowEnabled();
  if (IsTopLevel(m_hWnd)) {
    platform::SetTopLevelEnabled(m_hWnd, enable != FALSE);
  } else if (QWidget* widget = WidgetOf(m_hWnd)) {
    widget->setEnabled(enable != FALSE);
  }
  return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
  QWidget* widget = WidgetOf(m_hWnd);
  if (widget == nullptr) {
    return FALSE;
  }
  return IsTopLevel(m_hWnd) ? m_hWnd->enabled : widget->isEnabled();
}

BOOL CWnd::IsWindowVisible() const {
  QWidget* widget = WidgetOf(m_hWnd);
  return widget != nullptr && widget->isVisible();
}

BOOL CWnd::IsIconic() const {
  QWidget* widget = WidgetOf(m_hWnd);
  return widget != nullptr && widget->isMinimized();
}

void CWnd::GetClientRect(RECT* rect) const {
  *rect = RECT{};
  if (QWidget* widget = WidgetOf(m_hWnd)) {
    rect->right = widget->width();
    rect->bottom = widget->height();
  }
}

void CWnd::GetWindowRect(RECT* rect) const {
  *rect = RECT{};
  if (QWidget* widget = WidgetOf(m_hWnd)) {
    const QRect frame = widget->isWindow()
                            ? widget->frameGeometry()
                            : QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    *rect =
        RECT{frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
  }
}

CWnd* CWnd::SetFocus() {
  HWND previous = platform::HandleOf(QApplication::focusWidget());
  if (QWidget* widget = WidgetOf(m_hWnd)) {
    widget->setFocus(Qt::OtherFocusReason);
  }
  return FromHandlePermanent(previous);
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
  return reinterpret_cast<HICON>(
      SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

HICON CWnd::GetIcon(BOOL bigIcon) const {
  if (m_hWnd == nullptr) {
    return nullptr;
  }
  return bigIcon ? m_hWnd->bigIcon : m_hWnd->smallIcon;
}

void CWnd::DragAcceptFiles(BOOL accept) {
  if (m_hWnd != nullptr && m_hWnd->host != nullptr && IsTopLevel(m_hWnd)) {
    m_hWnd->host->AcceptFiles(accept != FALSE);
  }
}

CMenu* CWnd::GetSystemMenu(BOOL /*revert*/) {
  if (m_hWnd == nullptr || m_hWnd->host == nullptr || !IsTopLevel(m_hWnd)) {
    return nullptr;
  }
  return m_hWnd->host->SystemMenu();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  return hWnd != nullptr ? hWnd->attached : nullptr;
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (hWnd == nullptr) {
    return 0;
  }
  if (CWnd* window = hWnd->attached) {
    return window->WindowProc(message, wParam, lParam);
  }
  return DefaultWindowProc(hWnd, message, wParam, lParam);
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  if (control.m_hWnd != nullptr || pDX == nullptr || pDX->m_pDlgWnd == nullptr) {
    return;
  }
  HWND dialog = pDX->m_pDlgWnd->m_hWnd;
  HWND item = dialog != nullptr && dialog->host != nullptr ? dialog->host->Control(id) : nullptr;
  // A template without the control is a programming error in the window's class.
  assert(item != nullptr && item->attached == nullptr);
  if (item != nullptr && item->attached == nullptr) {
    item->attached = &control;
    control.m_hWnd = item;
  }
}
