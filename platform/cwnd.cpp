#include "platform/cwnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <cassert>

#include "platform/dialog_host_p.h"
#include "platform/icons_p.h"
#include "platform/window_p.h"

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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
  if (hWnd == nullptr || !hWnd->widget) {
    return 0;
  }
  QWidget* widget = hWnd->widget;
  switch (message) {
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        SendMessage(hWnd, WM_CLOSE);
      } else if ((wParam & 0xFFF0) == SC_MOVE && widget->windowHandle() != nullptr) {
        // The window manager moves it, if there is one that can.
        widget->windowHandle()->startSystemMove();
      }
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
      static_cast<void>(lParam);
      return 0;
  }
}

}  // namespace

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code) {
  if (const platform::MessageEntry* entry = FindMessageEntry(WM_COMMAND, id, code)) {
    entry->thunk(*this, MAKEWPARAM(id, code), 0);
    return TRUE;
  }
  return FALSE;
}

const platform::MessageMap* CCmdTarget::GetThisMessageMap() {
  static constexpr platform::MessageEntry kNoEntries[] = {platform::MessageEntry{}};
  static constexpr platform::MessageMap kMap{nullptr, kNoEntries};
  return &kMap;
}

const platform::MessageMap* CCmdTarget::GetMessageMap() const {
  return GetThisMessageMap();
}

const platform::MessageEntry* CCmdTarget::FindMessageEntry(UINT message, UINT id, UINT code) const {
  for (const platform::MessageMap* map = GetMessageMap(); map != nullptr;
       map = map->base != nullptr ? map->base() : nullptr) {
    for (const platform::MessageEntry* entry = map->entries; entry->thunk != nullptr; ++entry) {
      if (entry->message == message &&
          (message != WM_COMMAND || (entry->id == id && entry->code == code))) {
        return entry;
      }
    }
  }
  return nullptr;
}

CWnd::~CWnd() {
  if (m_hWnd != nullptr && m_hWnd->attached == this) {
    m_hWnd->attached = nullptr;
  }
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_hWnd == nullptr) {
    return 0;
  }
  return WindowProc(message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) {
    result = DefWindowProc(message, wParam, lParam);
  }
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_COMMAND) {
    *result = 0;
    return OnCommand(wParam, lParam);
  }
  if (const platform::MessageEntry* entry = FindMessageEntry(message, 0, 0)) {
    *result = entry->thunk(*this, wParam, lParam);
    return TRUE;
  }
  return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
  return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultWindowProc(m_hWnd, message, wParam, lParam);
}

void CWnd::OnSysCommand(UINT id, LPARAM lParam) {
  DefWindowProc(WM_SYSCOMMAND, id, lParam);
}

void CWnd::OnPaint() {
  DefWindowProc(WM_PAINT, 0, 0);
}

void CWnd::OnClose() {
  DefWindowProc(WM_CLOSE, 0, 0);
}

void CWnd::SetWindowText(std::string_view text) {
  if (m_hWnd == nullptr || !m_hWnd->widget) {
    return;
  }
  QWidget* widget = m_hWnd->widget;
  const QString value = FromUtf8(text);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(value);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(value);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(value);
  } else {
    widget->setWindowTitle(value);
  }
}

void CWnd::GetWindowText(std::string& text) const {
  text = GetWindowText();
}

std::string CWnd::GetWindowText() const {
  if (m_hWnd == nullptr || !m_hWnd->widget) {
    return {};
  }
  QWidget* widget = m_hWnd->widget;
  QString value;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    value = edit->text();
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    value = button->text();
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    value = label->text();
  } else {
    value = widget->windowTitle();
  }
  return value.toUtf8().toStdString();
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
  } else if (m_hWnd->widget) {
    m_hWnd->widget->setEnabled(enable != FALSE);
  }
  return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
  if (m_hWnd == nullptr || !m_hWnd->widget) {
    return FALSE;
  }
  return IsTopLevel(m_hWnd) ? m_hWnd->enabled : m_hWnd->widget->isEnabled();
}

BOOL CWnd::IsWindowVisible() const {
  return m_hWnd != nullptr && m_hWnd->widget && m_hWnd->widget->isVisible();
}

BOOL CWnd::IsIconic() const {
  return m_hWnd != nullptr && m_hWnd->widget && m_hWnd->widget->isMinimized();
}

void CWnd::GetClientRect(RECT* rect) const {
  *rect = RECT{};
  if (m_hWnd != nullptr && m_hWnd->widget) {
    rect->right = m_hWnd->widget->width();
    rect->bottom = m_hWnd->widget->height();
  }
}

void CWnd::GetWindowRect(RECT* rect) const {
  *rect = RECT{};
  if (m_hWnd != nullptr && m_hWnd->widget) {
    QWidget* widget = m_hWnd->widget;
    const QRect frame = widget->isWindow()
                            ? widget->frameGeometry()
                            : QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    *rect =
        RECT{frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
  }
}

CWnd* CWnd::SetFocus() {
  HWND previous = platform::RecordOf(QApplication::focusWidget());
  if (m_hWnd != nullptr && m_hWnd->widget) {
    m_hWnd->widget->setFocus(Qt::OtherFocusReason);
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

CMenu* CWnd::GetSystemMenu(BOOL /*revert*/) {
  if (m_hWnd == nullptr || m_hWnd->host == nullptr ||
      m_hWnd->kind != platform::WindowKind::Dialog) {
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

int CButton::GetCheck() const {
  return static_cast<int>(::SendMessage(m_hWnd, BM_GETCHECK));
}

void CButton::SetCheck(int check) {
  ::SendMessage(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(check));
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
