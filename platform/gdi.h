// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Icons and painting: loading the program's icons, a paint context for a window's
// WM_PAINT, drawing an icon into it, and the system metrics the windows ask for.

#include "platform/cwnd.h"

// The icon group `name` (MAKEINTRESOURCE of its number) of the program's resources; the
// same handle for every call, valid for the life of the process. nullptr if missing.
HICON LoadIconA(HINSTANCE instance, LPCSTR name);

class CDC {
 public:
  HDC GetSafeHdc() const { return m_hDC; }
  // Draws the icon's large image with its top-left corner at x, y.
  BOOL DrawIcon(int x, int y, HICON icon);

 protected:
  HDC m_hDC = nullptr;
};

// Valid only while the window handles WM_PAINT.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* window);
  ~CPaintDC();
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;
};

// SM_CXICON and SM_CYICON: the size DrawIcon draws at; 0 for the others.
int GetSystemMetrics(int index);
