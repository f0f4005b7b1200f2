// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cmenu.h"

BOOL AppendMenuA(HMENU menu, UINT flags, std::uintptr_t id, LPCSTR text) {
  if (menu == nullptr) {
    return FALSE;
  }
  if ((flags & MF_SEPARATOR) != 0) {
    menu->items.push_back({MF_SEPARATOR, 0, ""});
  } else {
    menu->items.push_back({flags, static_cast<UINT>(id), text != nullptr ? text : ""});
  }
  return TRUE;
}
