// The windows' tests run in one toolkit with the program's own resources and its
// application object, named as the installed program would be.

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/tempo_calc_app.h"
#include "platform/testing/dialog_driver.h"
#include "res/program_resources.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  platform::testing::Toolkit toolkit;
  platform::InstallResources(res::ProgramResources());
  theApp.m_pszAppName = "tremlet";
  // The program's documents as the build tree has them.
  setenv("XDG_DATA_HOME", TREMLET_TEST_DATA_HOME, 1);
  return RUN_ALL_TESTS();
}
