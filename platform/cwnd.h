// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Windows and controls as the program's classes see them: command targets with message
// maps, window objects attached to live windows by handle, and the control wrappers that
// dialog data exchange binds.

#include <string>
#include <string_view>

#include "platform/message_map.h"
#include "platform/win_defs.h"

class CDataExchange;
class CMenu;

// Anything with a message map.
class CCmdTarget {
 public:
  CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;
  virtual ~CCmdTarget() = default;

  // Routes a command through the message maps; TRUE when an entry handled it.
  virtual BOOL OnCmdMsg(UINT id, UINT code);

 protected:
  static const platform::MessageMap* GetThisMessageMap();
  virtual const platform::MessageMap* GetMessageMap() const;

  // The first entry for the message (and for WM_COMMAND, the id and code) from the most
  // derived class up; nullptr when none matches.
  const platform::MessageEntry* FindMessageEntry(UINT message, UINT id, UINT code) const;
};

struct CRect : RECT {
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  ~CWnd() override;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }

  // Messages go through WindowProc: the message map first, then default processing.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  void SetWindowText(std::string_view text);
  void GetWindowText(std::string& text) const;
  std::string GetWindowText() const;
  int GetDlgCtrlID() const;
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL IsWindowVisible() const;
  BOOL IsIconic() const;
  void GetClientRect(RECT* rect) const;
  void GetWindowRect(RECT* rect) const;
  CWnd* SetFocus();
  HICON SetIcon(HICON icon, BOOL bigIcon);
  HICON GetIcon(BOOL bigIcon) const;
  // Whether the window takes files dropped on it from a file manager: each drop of one
  // local file then comes as WM_DROPFILES. Other windows show "no drop" to a drag.
  void DragAcceptFiles(BOOL accept = TRUE);
  // The window's system menu, or nullptr when its style has none. The menu lives as long
  // as the window; `revert` is not supported.
  CMenu* GetSystemMenu(BOOL revert);

  // The CWnd attached to a live window, if any.
  static CWnd* FromHandlePermanent(HWND hWnd);

  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  friend class CCmdTarget;

  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // The platform's processing of whatever the message maps leave.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  // Default handlers a derived class calls from its own.
  void OnSysCommand(UINT id, LPARAM lParam);
  void OnPaint();
  void OnClose();
};

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

inline WPARAM MAKEWPARAM(UINT low, UINT high) {
  return static_cast<WPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}
inline UINT LOWORD(std::uintptr_t value) {
  return static_cast<UINT>(value & 0xFFFF);
}
inline UINT HIWORD(std::uintptr_t value) {
  return static_cast<UINT>((value >> 16) & 0xFFFF);
}

class CButton : public CWnd {
 public:
  // BST_UNCHECKED or BST_CHECKED for a check box; BST_UNCHECKED for a push button.
  int GetCheck() const;
  // BST_UNCHECKED clears a check box, any other state checks it; push buttons ignore it.
  void SetCheck(int check);
};

class CEdit : public CWnd {};

// Passed to DoDataExchange. Only binding controls to wrappers is supported, which is the
// same in either direction of the exchange.
class CDataExchange {
 public:
  explicit CDataExchange(CWnd* dialog) : m_pDlgWnd(dialog) {}

  CWnd* m_pDlgWnd;
};

// Attaches `control` to the dialog's control with this identifier, once: later exchanges
// leave it bound.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
