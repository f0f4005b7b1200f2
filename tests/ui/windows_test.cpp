// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's three windows, driven as a user would: start-up, both commands, the
// failure box, the subdivision window, About, the system menu, help, and closing.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/tempo_calc_app.h"
#include "platform/shell.h"
#include "platform/testing/dialog_driver.h"
#include "platform/testing/scopes.h"
#include "res/resource.h"
#include "tests/ui/program.h"

namespace {

namespace drive = platform::testing;
using drive::Key;

using program::Field;
using program::Item;
using program::Main;
using program::RunProgram;

// Runs the program's start-up with `script` acting in its main window, and tells whether
// the script ended the program; a script that does not is stopped rather than left to hang.
bool ScriptEndsTheProgram(std::function<void()> script) {
  bool ended = false;
  RunProgram([&] {
    script();
    ended = drive::IsEnding(Main());
    if (!ended) {
      drive::ForceEnd(Main());
    }
  });
  return ended;
}

class Launches : public testing::Test {
 protected:
  drive::LaunchRecorder recorder;
  const std::vector<platform::DesktopLaunch>& launches = recorder.launches;
};

TEST(MainWindow, StartsWithTheDefaultsAndTheFocusOnAbout) {
  EXPECT_FALSE(RunProgram([] {
    EXPECT_EQ(drive::Text(Main()), "velmora Tremlet 1.0");
    EXPECT_EQ(Field(IDC_PERIOD), "2");
    EXPECT_EQ(Field(IDC_BEATS), "4");
    EXPECT_EQ(Field(IDC_TEMPO), "120");
    EXPECT_TRUE(drive::IsChecked(Item(IDC_ROUNDED)));
    EXPECT_FALSE(drive::IsChecked(Item(IDC_SHOW_NTH)));
    EXPECT_EQ(drive::IdOf(drive::FocusedControl()), IDC_ABOUT);
    EXPECT_TRUE(drive::ShowsAsDefault(Item(IDC_ABOUT)));
    EXPECT_TRUE(drive::HasOwnTaskBarEntry(Main()));
    drive::PressKey(Key::Escape);
  }));
}

TEST(MainWindow, EscapeAltF4AndTheCloseBoxEndTheProgram) {
  EXPECT_TRUE(ScriptEndsTheProgram([] { drive::PressKey(Key::Escape); }));
  EXPECT_TRUE(ScriptEndsTheProgram([] { drive::CloseWindow(Main()); }));
  EXPECT_TRUE(ScriptEndsTheProgram([] { drive::PressKey(Key::F4, drive::kAlt); }));
  // Enter is not among them: it opens About, whose OK closes it again.
  EXPECT_FALSE(ScriptEndsTheProgram([] {
    drive::RunSoon([] { drive::PressKey(Key::Return); });
    drive::PressKey(Key::Return);
  }));
}

TEST(MainWindow, ComputesBothWaysRoundedOrInFull) {
  struct Case {
    const char* name;
    int button;
    const char* period;
    const char* beats;
    const char* tempo;
    bool rounded;
    const char* expectedPeriod;
    const char* expectedTempo;
  };
  const Case cases[] = {
      {"tempo, rounded", IDC_COMPUTE_TEMPO, "2", "4", "1", true, "2", "120.000"},
      {"tempo, in full", IDC_COMPUTE_TEMPO, "2", "4", "1", false, "2", "120.000000"},
      {"period, rounded", IDC_COMPUTE_PERIOD, "9", "4", "90", true, "2.667", "90"},
      {"period, in full", IDC_COMPUTE_PERIOD, "9", "4", "90", false, "2.666667", "90"},
      {"three second loop", IDC_COMPUTE_TEMPO, "3", "4", "", true, "3", "80.000"},
      {"comma ends the number", IDC_COMPUTE_TEMPO, "1,5", "4", "7", true, "1,5", "240.000"},
      {"negative tempo", IDC_COMPUTE_PERIOD, "", "4", "-120", true, "-2.000", "-120"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RunProgram([&] {
      drive::SetText(Item(IDC_PERIOD), c.period);
      drive::SetText(Item(IDC_BEATS), c.beats);
      drive::SetText(Item(IDC_TEMPO), c.tempo);
      if (!c.rounded) {
        drive::Click(Item(IDC_ROUNDED));
      }
      drive::Click(Item(c.button));
      EXPECT_EQ(Field(IDC_PERIOD), c.expectedPeriod);
      EXPECT_EQ(Field(IDC_BEATS), c.beats);
      EXPECT_EQ(Field(IDC_TEMPO), c.expectedTempo);
      drive::PressKey(Key::Escape);
    });
  }
}

TEST(MainWindow, InvalidDataShowsOneStopBoxAndChangesNothing) {
  for (const char* beats : {"", "abc", "0"}) {
    SCOPED_TRACE(beats);
    int boxes = 0;
    RunProgram([&] {
      drive::Click(Item(IDC_SHOW_NTH));  // even with the subdivisions asked for
      drive::SetText(Item(IDC_BEATS), beats);
      drive::SetText(Item(IDC_TEMPO), "77");
      drive::RunSoon([&] {
        const auto box = drive::ActiveMessageBox();
        ASSERT_TRUE(box.has_value());
        ++boxes;
        EXPECT_EQ(box->text, "invalid data");
        EXPECT_EQ(box->caption, "tremlet");  // the executable's name
        EXPECT_EQ(box->icon, drive::MessageIcon::Stop);
        EXPECT_EQ(box->buttons.size(), 1u);
        EXPECT_EQ(box->owner, Main());
        drive::PressKey(Key::Return);
      });
      drive::PressLetter('t', drive::kAlt);
      EXPECT_EQ(drive::ActiveDialog(), Main());  // no subdivision window
      EXPECT_EQ(Field(IDC_PERIOD), "2");
      EXPECT_EQ(Field(IDC_BEATS), beats);
      EXPECT_EQ(Field(IDC_TEMPO), "77");
      drive::PressKey(Key::Escape);
    });
    EXPECT_EQ(boxes, 1);
  }
}

TEST(SubdivisionWindow, ListsEightRowsWhileTheResultIsAlreadyShown) {
  struct Case {
    const char* name;
    int button;
    const char* value;  // period for Compute Tempo, tempo for Compute Period
    bool rounded;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {"period 3",
       IDC_COMPUTE_TEMPO,
       "3",
       true,
       {"1.500", "0.750", "0.375", "0.188", "0.094", "0.047", "0.023", "0.012"}},
      {"period 2 in full",
       IDC_COMPUTE_TEMPO,
       "2",
       false,
       {"1.000000", "0.500000", "0.250000", "0.125000", "0.062500", "0.031250", "0.015625",
        "0.007813"}},
      // The rows come from 2.6666666666666665, not from the 2.667 shown.
      {"from 90 BPM",
       IDC_COMPUTE_PERIOD,
       "90",
       true,
       {"1.333", "0.667", "0.333", "0.167", "0.083", "0.042", "0.021", "0.010"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> rows;
    std::string resultDuring;
    RunProgram([&] {
      HWND main = Main();
      drive::Click(Item(IDC_SHOW_NTH));
      if (!c.rounded) {
        drive::Click(Item(IDC_ROUNDED));
      }
      drive::SetText(Item(c.button == IDC_COMPUTE_TEMPO ? IDC_PERIOD : IDC_TEMPO), c.value);
      drive::RunSoon([&] {
        EXPECT_EQ(drive::Text(drive::ActiveDialog()), "velmora Tremlet NTH");
        for (int id = IDC_NTH_2; id <= IDC_NTH_256; ++id) {
          rows.push_back(Field(id));
        }
        EXPECT_EQ(drive::IdOf(drive::FocusedControl()), IDC_NTH_2);
        EXPECT_TRUE(drive::IsTransientFor(drive::ActiveDialog(), main));
        resultDuring = drive::Text(
            drive::Control(main, c.button == IDC_COMPUTE_TEMPO ? IDC_TEMPO : IDC_PERIOD));
        drive::PressKey(Key::Return);  // no push button: command 1 closes it
      });
      drive::Click(Item(c.button));
      EXPECT_EQ(drive::ActiveDialog(), main);
      drive::PressKey(Key::Escape);
    });
    EXPECT_EQ(rows, c.rows);
    EXPECT_FALSE(resultDuring.empty());
    EXPECT_NE(resultDuring, c.button == IDC_COMPUTE_TEMPO ? "120" : "2");
  }
}

TEST(SubdivisionWindow, TwoCommandsOpenTwoIndependentWindows) {
  std::vector<std::string> first;
  RunProgram([&] {
    drive::Click(Item(IDC_SHOW_NTH));
    for (const char* period : {"2", "4"}) {
      drive::SetText(Item(IDC_PERIOD), period);
      drive::RunSoon([&] {
        first.push_back(Field(IDC_NTH_2));
        drive::PressKey(Key::Escape);
      });
      drive::Click(Item(IDC_COMPUTE_TEMPO));
    }
    drive::PressKey(Key::Escape);
  });
  EXPECT_EQ(first, (std::vector<std::string>{"1.000", "2.000"}));
}

TEST_F(Launches, EnterInAFieldOpensAboutWhoseCancelsOpenTheSite) {
  int aboutOpened = 0;
  RunProgram([&] {
    drive::Focus(Item(IDC_PERIOD));
    drive::RunSoon([&] {
      ++aboutOpened;
      EXPECT_EQ(drive::Text(drive::ActiveDialog()), "About Tremlet.exe");
      EXPECT_EQ(drive::IdOf(drive::FocusedControl()), IDOK);
      drive::PressKey(Key::Escape);
      drive::PressKey(Key::Escape);
      drive::CloseWindow(drive::ActiveDialog());
      drive::Click(Item(IDCANCEL));
      EXPECT_EQ(drive::Text(drive::ActiveDialog()), "About Tremlet.exe");  // still open
      drive::Focus(Item(IDOK));
      drive::PressKey(Key::Return);  // only OK closes it
    });
    drive::PressKey(Key::Return);
    EXPECT_EQ(drive::ActiveDialog(), Main());
    drive::PressKey(Key::Escape);
  });
  EXPECT_EQ(aboutOpened, 1);
  ASSERT_EQ(launches.size(), 4u);
  for (const auto& launch : launches) {
    EXPECT_EQ(launch.verb, "open");
    EXPECT_EQ(launch.requestedPath, "c:\\audio\\velmora\\tremlet\\velmora.url");
    EXPECT_EQ(launch.show, SW_SHOWNORMAL);
    EXPECT_EQ(launch.arguments, (std::vector<std::string>{"https://www.tremlet.example/"}));
  }
}

TEST_F(Launches, HelpButtonOpensTheHelpPage) {
  RunProgram([] {
    drive::PressLetter('h', drive::kAlt);
    drive::PressKey(Key::Escape);
  });
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(launches[0].requestedPath, "c:\\audio\\velmora\\help\\GARNEK_1.0_english.html");
  EXPECT_TRUE(launches[0].mappedPath.ends_with(
      "/share/tremlet/drive_c/audio/velmora/help/GARNEK_1.0_english.html"));
  EXPECT_EQ(launches[0].arguments, (std::vector<std::string>{launches[0].mappedPath}));
}

TEST(MainWindow, SystemMenuEndsWithTheAboutItemThatOpensAbout) {
  std::vector<std::string> items;
  std::string opened;
  RunProgram([&] {
    items = drive::SystemMenuItems(Main());
    drive::RunSoon([&] {
      drive::RunSoon([&] {
        opened = drive::Text(drive::ActiveDialog());
        drive::PressKey(Key::Return);
      });
      EXPECT_TRUE(drive::ChooseMenuItem("&A propos de tremlet..."));
    });
    drive::PressKey(Key::Space, drive::kAlt);
    drive::PressKey(Key::Escape);
  });
  ASSERT_GE(items.size(), 2u);
  EXPECT_EQ(items[items.size() - 2], "");
  EXPECT_EQ(items.back(), "&A propos de tremlet...");
  EXPECT_EQ(opened, "About Tremlet.exe");
}

TEST_F(Launches, F1InEachWindowAsksForItsHelpContext) {
  drive::HelpFileScope help(drive::HelpFileScope::Kind::Present);
  RunProgram([] {
    drive::PressKey(Key::F1);
    drive::RunSoon([] {
      drive::PressKey(Key::F1);
      drive::Focus(Item(IDOK));
      drive::PressKey(Key::Return);
    });
    drive::PressLetter('a', drive::kAlt);
    drive::Click(Item(IDC_SHOW_NTH));
    drive::RunSoon([] {
      drive::PressKey(Key::F1);
      drive::PressKey(Key::Escape);
    });
    drive::PressLetter('t', drive::kAlt);
    drive::PressKey(Key::Escape);
  });
  std::vector<unsigned long> contexts;
  for (const auto& launch : launches) {
    contexts.push_back(launch.helpContext);
  }
  EXPECT_EQ(contexts, (std::vector<unsigned long>{HID_BASE_RESOURCE + IDD_TEMPOCALC_DIALOG,
                                                  HID_BASE_RESOURCE + IDD_ABOUTBOX,
                                                  HID_BASE_RESOURCE + IDD_SUBDIVISION}));
}

TEST(MainWindow, F1WithoutAHelpFileShowsTheFrameworksMessage) {
  drive::HelpFileScope help(drive::HelpFileScope::Kind::Missing);
  std::optional<drive::MessageBoxView> box;
  RunProgram([&] {
    drive::RunSoon([&] {
      box = drive::ActiveMessageBox();
      drive::PressKey(Key::Return);
    });
    drive::PressKey(Key::F1);
    drive::PressKey(Key::Escape);
  });
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, "Le démarrage de l'aide a échoué.");
  EXPECT_EQ(box->caption, "tremlet");
  EXPECT_EQ(box->icon, drive::MessageIcon::Exclamation);
}

}  // namespace
