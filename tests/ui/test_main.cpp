// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' tests run in one toolkit with the program's own resources and its
// application object, set up as if started from an installed "tremlet".

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/testing/dialog_driver.h"
#include "res/program_resources.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  platform::InstallResources(res::ProgramResources());
  platform::testing::Toolkit toolkit("/usr/bin/tremlet");
  // The program's documents as the build tree has them.
  setenv("XDG_DATA_HOME", TREMLET_TEST_DATA_HOME, 1);
  return RUN_ALL_TESTS();
}
