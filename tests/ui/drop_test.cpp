// SPDX-License-Identifier: GPL-3.0-or-later
// A loop file dropped on the main window: its exact length into the period field, its
// beat count when the file says it, nothing computed; anything else refused or explained.

#include <gtest/gtest.h>

#include "app/tempo_calc_app.h"
#include "core/field_number.h"
#include "platform/testing/dialog_driver.h"
#include "res/resource.h"
#include "tests/loops/fixtures.h"
#include "tests/ui/program.h"

namespace {

namespace drive = platform::testing;
using drive::Key;
using fixtures::Format;

using program::Field;
using program::Item;
using program::Main;
using program::RunProgram;

TEST(DropOnMainWindow, ALoopFillsThePeriodExactlyAndTheBeatsItsNameGives) {
  fixtures::Folder folder;
  const auto named = folder / "break caf\xE9 - 168 BPM.wav";  // 5.714285714285714 s
  fixtures::WriteAudio(named, Format::Wav, 252000);
  const auto plain = folder / "plain.flac";  // 2.0000226757369615 s
  fixtures::WriteAudio(plain, Format::Flac, 88201);
  RunProgram([&] {
    drive::SetText(Item(IDC_BEATS), "7");
    EXPECT_TRUE(drive::DropOn(Item(IDC_PERIOD), drive::FilesDrag({named.string()})));
    drive::ProcessEvents();
    EXPECT_EQ(Field(IDC_PERIOD), "5.714285714285714");
    EXPECT_EQ(core::ParseFieldNumber(Field(IDC_PERIOD)), 252000.0 / 44100);
    EXPECT_EQ(Field(IDC_BEATS), "16");
    EXPECT_EQ(Field(IDC_TEMPO), "120");  // nothing is computed until a click

    // A count that is only a guess leaves the beats field as the user left it.
    drive::SetText(Item(IDC_BEATS), "7");
    EXPECT_TRUE(drive::DropOn(Main(), drive::FilesDrag({plain.string()})));
    drive::ProcessEvents();
    EXPECT_EQ(Field(IDC_PERIOD), "2.0000226757369615");
    EXPECT_EQ(Field(IDC_BEATS), "7");
    drive::PressKey(Key::Escape);
  });
}

TEST(DropOnMainWindow, AFileThatIsNoLoopIsExplainedAndChangesNothing) {
  fixtures::Folder folder;
  const auto notes = folder / "notes.wav";
  fixtures::WriteBytes(notes, "not a sound\n");
  std::optional<drive::MessageBoxView> box;
  RunProgram([&] {
    EXPECT_TRUE(drive::DropOn(Item(IDC_PERIOD), drive::FilesDrag({notes.string()})));
    drive::RunSoon([&] {
      box = drive::ActiveMessageBox();
      drive::PressKey(Key::Return);
    });
    drive::ProcessEvents();  // the window acts on the drop: the box opens
    EXPECT_EQ(Field(IDC_PERIOD), "2");
    EXPECT_EQ(Field(IDC_BEATS), "4");
    drive::PressKey(Key::Escape);
  });
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text,
            "\u201Cnotes.wav\u201D cannot be used. It is not a WAV, AIFF, FLAC, Ogg or MP3 file.");
  EXPECT_EQ(box->caption, "tremlet");
}

TEST(DropOnMainWindow, OnlyOneLocalFileOnTheMainWindowWhileItTakesInput) {
  fixtures::Folder folder;
  const auto loop = folder / "a.wav";
  fixtures::WriteAudio(loop, Format::Wav, 88200);
  const auto one = drive::FilesDrag({loop.string()});
  bool aboutRefused = false;
  bool blockedRefused = false;
  RunProgram([&] {
    HWND main = Main();
    EXPECT_TRUE(drive::TakesDrag(Item(IDC_TEMPO), one));
    EXPECT_FALSE(drive::TakesDrag(Item(IDC_PERIOD), drive::TextDrag("120")));
    EXPECT_FALSE(drive::TakesDrag(main, drive::FilesDrag({loop.string(), loop.string()})));
    EXPECT_FALSE(drive::TakesDrag(main, {"text/uri-list", "https://example.org/a.wav\r\n"}));
    drive::RunSoon([&] {
      aboutRefused = !drive::TakesDrag(drive::ActiveDialog(), one);
      blockedRefused = !drive::TakesDrag(main, one);
      drive::Focus(Item(IDOK));
      drive::PressKey(Key::Return);
    });
    drive::PressLetter('a', drive::kAlt);
    drive::PressKey(Key::Escape);
  });
  EXPECT_TRUE(aboutRefused);
  EXPECT_TRUE(blockedRefused);
}

}  // namespace
