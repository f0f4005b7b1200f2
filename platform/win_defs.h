// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names and numbers the program's windows speak in: handles, message identifiers,
// styles and flags. Values that the program's resources fix (IDOK, ID_HELP, ...) are the
// program's; the others are this layer's own choice and mean nothing outside it.

#include <cstdint>

using UINT = unsigned int;
using BOOL = int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;
using DWORD = std::uint32_t;
using LPCSTR = const char*;
using LPSTR = char*;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Opaque handles. A window handle names a live window or control of this layer.
struct HWND__;
using HWND = HWND__*;
struct HICON__;
using HICON = HICON__*;
using HCURSOR = HICON;
struct HDC__;
using HDC = HDC__*;
struct HMENU__;
using HMENU = HMENU__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
struct HDROP__;
using HDROP = HDROP__*;

struct RECT {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// Command identifiers the dialog framework itself gives meaning to.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr UINT ID_HELP = 0xE146;
inline constexpr UINT AFX_IDS_APP_TITLE = 0xE000;
inline constexpr UINT AFX_IDP_FAILED_TO_LAUNCH_HELP = 0xF107;
// Help contexts of dialogs: this base plus the template number.
inline constexpr DWORD HID_BASE_RESOURCE = 0x20000;

// Messages.
inline constexpr UINT WM_COMMAND = 0x0102;
inline constexpr UINT WM_SYSCOMMAND = 0x0103;
inline constexpr UINT WM_CLOSE = 0x0104;
inline constexpr UINT WM_PAINT = 0x0105;
inline constexpr UINT WM_ICONERASEBKGND = 0x0106;
inline constexpr UINT WM_QUERYDRAGICON = 0x0107;
inline constexpr UINT WM_SETICON = 0x0108;
inline constexpr UINT WM_DROPFILES = 0x0109;
inline constexpr UINT BM_GETCHECK = 0x0201;
inline constexpr UINT BM_SETCHECK = 0x0202;

// Notification codes carried with WM_COMMAND.
inline constexpr UINT BN_CLICKED = 0;

// Check states.
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;
inline constexpr int BST_INDETERMINATE = 2;

// WM_SETICON sizes.
inline constexpr WPARAM ICON_SMALL = 0;
inline constexpr WPARAM ICON_BIG = 1;

// System commands. The low four bits are the platform's own and must be ignored when
// comparing (program items use multiples of 16 below 0xF000).
inline constexpr UINT SC_MOVE = 0xF100;
inline constexpr UINT SC_CLOSE = 0xF200;

// Window styles.
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_VISIBLE = 0x40000000;
inline constexpr DWORD WS_DISABLED = 0x20000000;
inline constexpr DWORD WS_CAPTION = 0x10000000;
inline constexpr DWORD WS_BORDER = 0x08000000;
inline constexpr DWORD WS_SYSMENU = 0x04000000;
inline constexpr DWORD WS_THICKFRAME = 0x02000000;
inline constexpr DWORD WS_MINIMIZEBOX = 0x01000000;
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00800000;
inline constexpr DWORD WS_GROUP = 0x00400000;
inline constexpr DWORD WS_TABSTOP = 0x00200000;
inline constexpr DWORD WS_CHILD = 0x00100000;
// Dialog styles.
inline constexpr DWORD DS_MODALFRAME = 0x00000100;
inline constexpr DWORD DS_SETFONT = 0x00000200;
// Control styles, meaningful per control class.
inline constexpr DWORD BS_PUSHBUTTON = 0x0000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
inline constexpr DWORD BS_AUTOCHECKBOX = 0x0002;
inline constexpr DWORD BS_TYPEMASK = 0x000F;
inline constexpr DWORD ES_RIGHT = 0x0010;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0020;
inline constexpr DWORD ES_READONLY = 0x0040;
inline constexpr DWORD SS_LEFT = 0x0000;
inline constexpr DWORD SS_ICON = 0x0001;
inline constexpr DWORD SS_TYPEMASK = 0x000F;
inline constexpr DWORD SS_NOPREFIX = 0x0080;

// Message box types and results.
inline constexpr UINT MB_OK = 0x0000;
inline constexpr UINT MB_OKCANCEL = 0x0001;
inline constexpr UINT MB_TYPEMASK = 0x000F;
inline constexpr UINT MB_ICONSTOP = 0x0010;
inline constexpr UINT MB_ICONQUESTION = 0x0020;
inline constexpr UINT MB_ICONEXCLAMATION = 0x0030;
inline constexpr UINT MB_ICONINFORMATION = 0x0040;
inline constexpr UINT MB_ICONMASK = 0x00F0;

// Show states.
inline constexpr int SW_SHOWNORMAL = 1;

// System metrics.
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;

// Menu item flags.
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_SEPARATOR = 0x0800;

// Help viewer commands.
inline constexpr UINT HELP_CONTEXT = 0x0001;

// A resource number where a name could stand.
inline LPCSTR MAKEINTRESOURCE(UINT id) {
  return reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(id));
}
