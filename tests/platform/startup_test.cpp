// SPDX-License-Identifier: GPL-3.0-or-later
// The framework's start-up, in a program of its own: AfxWinMain makes the toolkit, which
// exists once per process.

#include <gtest/gtest.h>

#include "platform/cwinapp.h"
#include "platform/resources.h"

namespace {

class StartupApp : public CWinApp {
 public:
  int initCalls = 0;
  int exitCalls = 0;
  std::string nameDuringInit;
  std::string helpPathDuringInit;

  BOOL InitInstance() override {
    ++initCalls;
    nameDuringInit = m_pszAppName;
    helpPathDuringInit = m_pszHelpFilePath;
    return FALSE;
  }
  int ExitInstance() override {
    ++exitCalls;
    return 7;
  }
};

TEST(Startup, FalseFromInitInstanceEndsWithoutAMessageLoop) {
  StartupApp app;
  char name[] = "platform_startup_tests";
  char option[] = "-style=windows";  // would reach Qt if the command line were passed on
  char* argv[] = {name, option, nullptr};
  EXPECT_EQ(AfxWinMain(2, argv), 7);
  EXPECT_EQ(app.initCalls, 1);
  EXPECT_EQ(app.exitCalls, 1);
  // No title string: the executable's name, without folder or extension.
  EXPECT_EQ(app.nameDuringInit, "platform_startup_tests");
  EXPECT_TRUE(app.helpPathDuringInit.ends_with("/platform_startup_tests.HLP"));
  EXPECT_EQ(app.helpPathDuringInit.front(), '/');
}

TEST(Startup, TitleStringNamesTheApplication) {
  static platform::ResourceSet titled;
  titled.strings = {{AFX_IDS_APP_TITLE, "Titled"}};
  platform::InstallResources(titled);
  StartupApp app;
  char name[] = "platform_startup_tests";
  char* argv[] = {name, nullptr};
  AfxWinMain(1, argv);
  EXPECT_EQ(app.nameDuringInit, "Titled");
}

}  // namespace
