// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application object and the framework's start-up.
//
// The program defines one global object of a class derived from CWinApp. Its entry point
// installs the resources and calls AfxWinMain, which starts the toolkit (without the
// command line, which the program ignores), calls InitInstance and, when that returns
// FALSE, skips any message loop, calls ExitInstance and returns its result.

#include <string>

#include "platform/cwnd.h"

namespace platform::testing {
class Toolkit;
}

class CWinApp : public CCmdTarget {
 public:
  // No name given: the name is string AFX_IDS_APP_TITLE if the resources have it, else the
  // executable's file name without folder and extension.
  explicit CWinApp(LPCSTR appName = nullptr);
  ~CWinApp() override;

  virtual BOOL InitInstance();
  virtual int ExitInstance();

  HICON LoadIcon(UINT id) const;
  // The framework's help command: the help context of the dialog holding the focus,
  // shown by the help viewer, or a message box when the viewer cannot start.
  void OnHelp();
  void WinHelp(DWORD data, UINT command = HELP_CONTEXT);

  CWnd* m_pMainWnd = nullptr;
  std::string m_pszAppName;
  std::string m_pszHelpFilePath;  // the executable's path with the extension ".HLP"
  std::string m_pszExeName;

 protected:
  BOOL Enable3dControlsStatic();

 private:
  friend int AfxWinMain(int argc, char** argv);
  friend class platform::testing::Toolkit;  // sets a test program up as start-up would
  void InitFromExecutable(const std::string& executablePath);

  std::string m_givenName;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// A modal message box owned by the main window's last active pop-up, with the
// application name as caption. An MB_OK box given no icon gets the exclamation icon.
// Returns IDOK or IDCANCEL.
int AfxMessageBox(std::string_view text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT stringId, UINT type = MB_OK, UINT helpId = UINT(-1));

void AfxEnableControlContainer();

int AfxWinMain(int argc, char** argv);
