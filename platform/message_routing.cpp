// SPDX-License-Identifier: GPL-3.0-or-later
// Message maps and the way a message travels: the window's own map from the most derived
// class up, then the platform's default processing.

#include "platform/cwnd.h"

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

void CWnd::OnSysCommand(UINT id, LPARAM lParam) {
  DefWindowProc(WM_SYSCOMMAND, id, lParam);
}

void CWnd::OnPaint() {
  DefWindowProc(WM_PAINT, 0, 0);
}

void CWnd::OnClose() {
  DefWindowProc(WM_CLOSE, 0, 0);
}

int CButton::GetCheck() const {
  return static_cast<int>(::SendMessage(m_hWnd, BM_GETCHECK));
}

void CButton::SetCheck(int check) {
  ::SendMessage(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(check));
}
