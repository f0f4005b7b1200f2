// SPDX-License-Identifier: GPL-3.0-or-later
// The platform tests run in one toolkit, with the test templates and an application
// object of their own.

#include <gtest/gtest.h>

#include "platform/cwinapp.h"
#include "platform/testing/dialog_driver.h"
#include "tests/platform/test_resources.h"

namespace {

class TestApp : public CWinApp {
 public:
  TestApp() : CWinApp("platform-tests") {}

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

TestApp theApp;

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  platform::testing::Toolkit toolkit;
  platform::InstallResources(test_resources::Set());
  return RUN_ALL_TESTS();
}
