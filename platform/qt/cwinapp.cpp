// SPDX-License-Identifier: GPL-3.0-or-later
// The application's start-up over Qt, and its help command, which needs to know the
// dialogs open.

#include "platform/cwinapp.h"

#include <QApplication>

#include "platform/cdialog.h"
#include "platform/qt/dialog_host.h"
#include "platform/qt/open_dialogs.h"
#include "platform/resources.h"

void CWinApp::OnHelp() {
  // The dialog holding the focus names the help context: its template number over the
  // resource base. Dialogs run modally and nest, so that is the innermost one.
  const auto& open = platform::OpenDialogs();
  if (open.empty()) {
    return;
  }
  WinHelp(HID_BASE_RESOURCE + open.back()->Dialog().m_nIDHelp, HELP_CONTEXT);
}

int AfxWinMain(int /*argc*/, char** argv) {
  // The program ignores its command line, so none of it reaches the toolkit either (Qt
  // would read options such as -style from it); only the program's name goes on.
  static std::string fallbackName = platform::InstalledResources().programName;
  // The windows are placed by the program and have a system menu, which a Wayland client
  // cannot do: where a Wayland session also has an X server (XWayland), the windows go
  // there, and to Wayland only without one. A platform the user names is the user's.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
  }
  static int toolkitArgc = 1;
  static char* toolkitArgv[] = {
      argv != nullptr && argv[0] != nullptr ? argv[0] : fallbackName.data(), nullptr};
  QApplication toolkit(toolkitArgc, toolkitArgv);
  // The window class is the program's name; the desktop entry it belongs to goes with
  // the windows too, and is the application id on Wayland.
  QGuiApplication::setDesktopFileName(
      QString::fromStdString(platform::InstalledResources().desktopEntry));

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
