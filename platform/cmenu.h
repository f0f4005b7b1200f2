// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Menus, for the one menu the windows touch: the system menu of a dialog.
//
//   CMenu* menu = GetSystemMenu(FALSE);   // Move, separator, Close (Alt+F4)
//   menu->AppendMenu(MF_SEPARATOR);
//   menu->AppendMenu(MF_STRING, IDM_ABOUTBOX, "&About...");
//   // choosing "About..." sends WM_SYSCOMMAND with IDM_ABOUTBOX to the window

#include <string>
#include <vector>

#include "platform/win_defs.h"

struct HMENU__ {
  struct Item {
    UINT flags = MF_STRING;
    UINT id = 0;
    std::string text;  // UTF-8, "&" marks the mnemonic, a tab sets off the key
  };
  std::vector<Item> items;
};

BOOL AppendMenuA(HMENU menu, UINT flags, std::uintptr_t id, LPCSTR text);

class CMenu {
 public:
  explicit CMenu(HMENU menu = nullptr) : m_hMenu(menu) {}
  BOOL AppendMenu(UINT flags, std::uintptr_t id = 0, LPCSTR text = nullptr) {
    return AppendMenuA(m_hMenu, flags, id, text);
  }
  HMENU GetSafeHmenu() const { return m_hMenu; }
  int GetMenuItemCount() const {
    return m_hMenu != nullptr ? static_cast<int>(m_hMenu->items.size()) : -1;
  }

  HMENU m_hMenu;
};
