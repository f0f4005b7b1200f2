#include "platform/cwinapp.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/cdialog.h"
#include "platform/dialog_host_p.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "platform/window_p.h"

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

void CWinApp::OnHelp() {
  // The dialog holding the focus names the help context: its template number over the
  // resource base. Dialogs run modally and nest, so that is the innermost one.
  const auto& open = platform::OpenDialogs();
  if (open.empty()) {
    return;
  }
  WinHelp(HID_BASE_RESOURCE + open.back()->Dialog().m_nIDHelp, HELP_CONTEXT);
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
  const QFileInfo executable(QString::fromStdString(executablePath));
  // Only the last extension goes, as on the platform the names come from.
  const QString stem = executable.completeBaseName();
  m_pszExeName = stem.toStdString();
  if (!m_givenName.empty()) {
    m_pszAppName = m_givenName;
  } else if (std::string title = platform::LoadResourceString(AFX_IDS_APP_TITLE); !title.empty()) {
    m_pszAppName = title;
  } else {
    m_pszAppName = m_pszExeName;
  }
  m_pszHelpFilePath =
      (executable.absoluteDir().filePath(stem) + QStringLiteral(".HLP")).toStdString();
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

int AfxWinMain(int /*argc*/, char** argv) {
  // The program ignores its command line, so none of it reaches the toolkit either (Qt
  // would read options such as -style from it); only the program's name goes on.
  static char fallbackName[] = "tremlet";
  static int toolkitArgc = 1;
  static char* toolkitArgv[] = {argv != nullptr && argv[0] != nullptr ? argv[0] : fallbackName,
                                nullptr};
  QApplication toolkit(toolkitArgc, toolkitArgv);

  CWinApp* app = AfxGetApp();
  if (app == nullptr) {
    return 1;
  }
  app->InitFromExecutable(QCoreApplication::applicationFilePath().toStdString());
  if (app->InitInstance()) {
    QApplication::exec();
  }
  return app->ExitInstance();
}
