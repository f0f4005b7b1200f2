// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The About window. "Visit Site" carries the cancel command, so every way of cancelling
// (the button, Escape, the close box) opens the site shortcut; only "OK" closes.

#include "platform/cdialog.h"
#include "res/resource.h"

class CAboutDlg : public CDialog {
 public:
  CAboutDlg();

  enum { IDD = IDD_ABOUTBOX };

 protected:
  void OnVisitSite();

  DECLARE_MESSAGE_MAP()
};
