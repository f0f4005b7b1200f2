// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The windows' tests drive the real program: its start-up, and its innermost window's
// controls by identifier.

#include <functional>
#include <string>

#include "app/tempo_calc_app.h"
#include "platform/testing/dialog_driver.h"

namespace program {

inline HWND Main() {
  return platform::testing::ActiveDialog();
}
inline HWND Item(int id) {
  return platform::testing::Control(platform::testing::ActiveDialog(), id);
}
inline std::string Field(int id) {
  return platform::testing::Text(Item(id));
}

// Runs the program's start-up with `script` acting in its main window; the script must
// end the program. InitInstance's result: FALSE, as the program always ends.
inline BOOL RunProgram(std::function<void()> script) {
  platform::testing::RunSoon(std::move(script));
  const BOOL result = theApp.InitInstance();
  theApp.m_pMainWnd = nullptr;
  return result;
}

}  // namespace program
