// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever sans-serif font the desktop gives, at whatever font resolution, every label
// and button of every window shows its whole text. CTest runs these once per font and
// resolution (tests/fonts); TREMLET_EXPECT_FONT then names the family that must be in
// use, and TREMLET_SCREENSHOTS a folder for a picture of each window.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/tempo_calc_app.h"
#include "platform/testing/dialog_driver.h"
#include "res/resource.h"
#include "tests/ui/program.h"

namespace {

namespace drive = platform::testing;
using drive::Key;

using program::Item;

// Opens each window in turn (main, About, subdivisions) and calls `look` in each.
void VisitEveryWindow(const std::function<void(const std::string& name)>& look) {
  program::RunProgram([&] {
    look("main-window");
    drive::RunSoon([&] {
      look("about-window");
      drive::Focus(Item(IDOK));
      drive::PressKey(Key::Return);
    });
    drive::PressLetter('a', drive::kAlt);
    drive::Click(Item(IDC_SHOW_NTH));
    drive::SetText(Item(IDC_PERIOD), "-1e300");
    drive::RunSoon([&] {
      look("subdivision-window");
      drive::PressKey(Key::Escape);
    });
    drive::PressLetter('t', drive::kAlt);
    drive::PressKey(Key::Escape);
  });
}

TEST(Layout, NoTextIsCutOffInAnyWindow) {
  const char* screenshots = std::getenv("TREMLET_SCREENSHOTS");
  if (screenshots != nullptr) {
    std::filesystem::create_directories(screenshots);
  }
  std::vector<std::string> cut;
  VisitEveryWindow([&](const std::string& name) {
    HWND window = drive::ActiveDialog();
    for (int i = 0; HWND control = drive::ControlAt(window, i); ++i) {
      if (!drive::TextFits(control)) {
        cut.push_back(drive::Text(window) + ": " + drive::Text(control));
      }
    }
    if (screenshots != nullptr) {
      drive::SavePicture(window, std::string(screenshots) + "/" + name + ".png");
    }
  });
  EXPECT_TRUE(cut.empty()) << testing::PrintToString(cut);
}

TEST(Layout, TheDialogsUseTheFontTheDesktopGives) {
  const char* expected = std::getenv("TREMLET_EXPECT_FONT");
  std::string family;
  platform::BaseUnits units;
  VisitEveryWindow([&](const std::string& name) {
    if (name == "main-window") {
      family = drive::FontFamily(drive::ActiveDialog());
      units = drive::UnitsOf(drive::ActiveDialog());
    }
  });
  std::cout << "dialog font: " << family << ", base units " << units.horizontal << " x "
            << units.vertical << '\n';
  if (expected != nullptr) {
    EXPECT_EQ(family, expected);
  }
}

}  // namespace
