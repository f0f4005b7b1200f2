// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application object: runs the main calculator window, then ends the program.

#include "platform/cwinapp.h"

class CTempoCalcApp : public CWinApp {
 public:
  CTempoCalcApp() = default;

  BOOL InitInstance() override;

  DECLARE_MESSAGE_MAP()
};

extern CTempoCalcApp theApp;
