// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cwinapp.h"

#include <filesystem>

#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/shell.h"

namespace {

CWinApp* theApp = nullptr;

}  // namespace

CWinApp::CWinApp(LPCSTR appName)
    : m_pszAppName(appName != nullptr ? appName : ""),
      m_givenName(appName != nullptr ? appName : "") {
  theApp = this;
}

CWinApp::~CWinApp() {
  if (theApp == this) {
    theApp = nullptr;
  }
}

BOOL CWinApp::InitInstance() {
  return TRUE;
}

int CWinApp::ExitInstance() {
  return 0;
}

HICON CWinApp::LoadIcon(UINT id) const {
  return LoadIconA(nullptr, MAKEINTRESOURCE(id));
}

void CWinApp::WinHelp(DWORD data, UINT command) {
  HWND main = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
  if (!::WinHelpA(main, m_pszHelpFilePath.c_str(), command, data)) {
    AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
  }
}

BOOL CWinApp::Enable3dControlsStatic() {
  // Controls here already have the three-dimensional look: nothing to register.
  return TRUE;
}

void CWinApp::InitFromExecutable(const std::string& executablePath) {
  const std::filesystem::path executable(executablePath);
  // Only the last extension goes, as on the platform the names come from.
  m_pszExeName = executable.stem().string();
  if (!m_givenName.empty()) {
    m_pszAppName = m_givenName;
  } else if (std::string title = platform::LoadResourceString(AFX_IDS_APP_TITLE); !title.empty()) {
    m_pszAppName = title;
  } else {
    m_pszAppName = m_pszExeName;
  }
  m_pszHelpFilePath = (executable.parent_path() / (m_pszExeName + ".HLP")).string();
}

CWinApp* AfxGetApp() {
  return theApp;
}

CWnd* AfxGetMainWnd() {
  return theApp != nullptr ? theApp->m_pMainWnd : nullptr;
}

void AfxEnableControlContainer() {
  // No embedded controls exist on this platform to host.
}
