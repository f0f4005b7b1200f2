// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tempo_calc_app.h"

#include "ui/tempo_calc_dlg.h"

BEGIN_MESSAGE_MAP(CTempoCalcApp, CWinApp)
ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CTempoCalcApp theApp;

BOOL CTempoCalcApp::InitInstance() {
  AfxEnableControlContainer();
  Enable3dControlsStatic();

  CTempoCalcDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();  // however it ended, the program ends with it

  // No message loop of our own: the framework ends the program.
  return FALSE;
}
