// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tempo_calc_app.h"
#include "platform/resources.h"
#include "res/program_resources.h"

int main(int argc, char** argv) {
  platform::InstallResources(res::ProgramResources());
  return AfxWinMain(argc, argv);
}
