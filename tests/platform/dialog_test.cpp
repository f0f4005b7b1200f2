// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cdialog.h"

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "platform/cwinapp.h"
#include "platform/testing/dialog_driver.h"
#include "tests/platform/test_resources.h"

namespace {

namespace drive = platform::testing;
using drive::Key;
using namespace test_resources;

// Records the commands its map takes; binds the check box and the first edit.
class KeysDialog : public CDialog {
 public:
  explicit KeysDialog(UINT templateId = kKeysDialog) : CDialog(templateId) {}

  std::vector<int> commands;
  CButton check;
  CEdit firstEdit;
  BOOL initResult = TRUE;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    return initResult;
  }
  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    if (m_nTemplateId == kKeysDialog) {
      DDX_Control(pDX, kCheck, check);
      DDX_Control(pDX, kFirstEdit, firstEdit);
    }
  }
  void OnGo() { commands.push_back(kGo); }
  void OnDefault() { commands.push_back(kDefault); }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(KeysDialog, CDialog)
ON_BN_CLICKED(kGo, OnGo)
ON_BN_CLICKED(kDefault, OnDefault)
END_MESSAGE_MAP()

// A class whose own message map takes command 2, as a "Visit Site" button would.
class CancelMappedDialog : public CDialog {
 public:
  CancelMappedDialog() : CDialog(kPlainDialog) {}
  int cancels = 0;

 protected:
  void OnCancelCommand() { ++cancels; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CancelMappedDialog, CDialog)
ON_BN_CLICKED(IDCANCEL, OnCancelCommand)
END_MESSAGE_MAP()

HWND ControlOf(int id) {
  return drive::Control(drive::ActiveDialog(), id);
}

void FocusControl(int id) {
  drive::Focus(ControlOf(id));
}

int FocusedId() {
  return drive::IdOf(drive::FocusedControl());
}

TEST(DialogKeyboard, EnterAndEscapeSendTheRightCommand) {
  struct Case {
    const char* name;
    int focus;  // 0: leave the initial focus
    Key key;
    std::vector<int> commands;  // what the map took before the dialog was closed
    INT_PTR result;
  };
  const Case cases[] = {
      {"Enter in an edit: the default push button", kFirstEdit, Key::Return, {kDefault}, IDCANCEL},
      {"Enter on a check box: the default push button", kCheck, Key::Enter, {kDefault}, IDCANCEL},
      {"Enter on a push button: that button", kGo, Key::Return, {kGo}, IDCANCEL},
      {"Enter on the default button", kDefault, Key::Return, {kDefault}, IDCANCEL},
      {"Escape: command 2 ends the dialog", kFirstEdit, Key::Escape, {}, IDCANCEL},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    KeysDialog dialog;
    drive::RunSoon([&] {
      if (c.focus != 0) {
        FocusControl(c.focus);
      }
      drive::PressKey(c.key);
      if (drive::ActiveDialog() != nullptr) {
        drive::PressKey(Key::Escape);
      }
    });
    EXPECT_EQ(dialog.DoModal(), c.result);
    EXPECT_EQ(dialog.commands, c.commands);
  }
}

TEST(DialogKeyboard, EnterWithoutAnyPushButtonIsCommandOne) {
  KeysDialog dialog(kPlainDialog);
  drive::RunSoon([] { drive::PressKey(Key::Return); });
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(DialogKeyboard, ClassMappingCommandTwoKeepsItsWindowOpen) {
  CancelMappedDialog dialog;
  drive::RunSoon([&] {
    drive::PressKey(Key::Escape);
    drive::PressKey(Key::Escape);
    drive::CloseWindow(drive::ActiveDialog());
    EXPECT_NE(drive::ActiveDialog(), nullptr);
    drive::PressKey(Key::Return);  // command 1 still ends it
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.cancels, 3);
}

TEST(DialogKeyboard, CloseBoxAndAltF4AreCommandTwo) {
  for (const bool altF4 : {false, true}) {
    KeysDialog dialog;
    drive::RunSoon([&] {
      if (altF4) {
        drive::PressKey(Key::F4, drive::kAlt);
      } else {
        drive::CloseWindow(drive::ActiveDialog());
      }
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  }
}

TEST(DialogKeyboard, TabWalksTheTabStopsInTemplateOrder) {
  KeysDialog dialog;
  std::vector<int> forward, backward;
  drive::RunSoon([&] {
    for (int i = 0; i < 6; ++i) {
      forward.push_back(FocusedId());
      drive::PressKey(Key::Tab);
    }
    for (int i = 0; i < 3; ++i) {
      drive::PressKey(Key::Tab, drive::kShift);
      backward.push_back(FocusedId());
    }
    drive::PressKey(Key::Escape);
  });
  dialog.DoModal();
  // The statics are no tab stops; the walk wraps around.
  EXPECT_EQ(forward, (std::vector<int>{kFirstEdit, kCheck, kGo, kDefault, kNamedEdit, kFirstEdit}));
  EXPECT_EQ(backward, (std::vector<int>{kFirstEdit, kNamedEdit, kDefault}));
}

TEST(DialogKeyboard, MnemonicsActLikeThePlatforms) {
  KeysDialog dialog;
  drive::RunSoon([&] {
    drive::PressLetter('c', drive::kAlt);  // a check box toggles and takes the focus
    EXPECT_TRUE(drive::IsChecked(ControlOf(kCheck)));
    EXPECT_EQ(FocusedId(), kCheck);
    drive::PressLetter('g', drive::kAlt);  // a push button clicks; the focus stays
    EXPECT_EQ(FocusedId(), kCheck);
    drive::PressLetter('n', drive::kAlt);  // a label moves the focus to the next control
    EXPECT_EQ(FocusedId(), kNamedEdit);
    drive::PressLetter('d');  // in an edit a plain letter is typed, not a mnemonic
    EXPECT_EQ(drive::Text(ControlOf(kNamedEdit)), "d");
    drive::PressLetter('d', drive::kAlt);
    drive::PressKey(Key::Escape);
  });
  dialog.DoModal();
  EXPECT_EQ(dialog.commands, (std::vector<int>{kGo, kDefault}));
}

TEST(DialogKeyboard, FocusedPushButtonShowsAsTheDefault) {
  KeysDialog dialog;
  drive::RunSoon([&] {
    EXPECT_TRUE(drive::ShowsAsDefault(ControlOf(kDefault)));
    FocusControl(kGo);
    EXPECT_TRUE(drive::ShowsAsDefault(ControlOf(kGo)));
    EXPECT_FALSE(drive::ShowsAsDefault(ControlOf(kDefault)));
    FocusControl(kNamedEdit);
    EXPECT_FALSE(drive::ShowsAsDefault(ControlOf(kGo)));
    EXPECT_TRUE(drive::ShowsAsDefault(ControlOf(kDefault)));
    drive::PressKey(Key::Escape);
  });
  dialog.DoModal();
}

TEST(DialogRun, InitialFocusGoesToTheFirstTabStopOnlyWhenAsked) {
  for (const BOOL init : {TRUE, FALSE}) {
    KeysDialog dialog;
    dialog.initResult = init;
    int focused = -1;
    drive::RunSoon([&] {
      focused = FocusedId();
      drive::PressKey(Key::Escape);
    });
    dialog.DoModal();
    EXPECT_EQ(focused, init ? kFirstEdit : 0);
  }
}

TEST(DialogRun, BindsControlsWithCheckStatesAndTexts) {
  KeysDialog dialog;
  drive::RunSoon([&] {
    EXPECT_EQ(dialog.check.GetCheck(), BST_UNCHECKED);
    dialog.check.SetCheck(BST_CHECKED);
    EXPECT_EQ(dialog.check.GetCheck(), BST_CHECKED);
    dialog.check.SetCheck(BST_INDETERMINATE);  // a two-state box shows it as checked
    EXPECT_EQ(dialog.check.GetCheck(), BST_CHECKED);
    dialog.check.SetCheck(BST_UNCHECKED);
    EXPECT_FALSE(drive::IsChecked(ControlOf(kCheck)));
    EXPECT_TRUE(dialog.commands.empty());  // setting a state is no click

    // No length limit of its own, and the text comes back as it went in.
    const std::string longText(100000, '7');
    dialog.firstEdit.SetWindowText(longText);
    EXPECT_EQ(dialog.firstEdit.GetWindowText(), longText);
    dialog.firstEdit.SetWindowText("1,5 s Ã©");
    EXPECT_EQ(dialog.firstEdit.GetWindowText(), "1,5 s Ã©");
    EXPECT_EQ(drive::Text(drive::ActiveDialog()), "Keys");
    drive::PressKey(Key::Escape);
  });
  dialog.DoModal();
  EXPECT_EQ(dialog.check.m_hWnd, nullptr);  // detached with the window
  EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(DialogRun, MissingTemplateFailsWithoutAWindow) {
  CDialog dialog(12345);
  EXPECT_EQ(dialog.DoModal(), -1);
}

}  // namespace

namespace {

TEST(DialogRun, BaseUnitsComeFromTheSubstitutedDialogFont) {
  KeysDialog dialog;
  platform::BaseUnits units;
  std::string family;
  platform::PixelRect client;
  drive::RunSoon([&] {
    units = drive::UnitsOf(drive::ActiveDialog());
    family = drive::FontFamily(drive::ActiveDialog());
    client = drive::ScreenGeometry(drive::ActiveDialog());
    drive::PressKey(Key::Escape);
  });
  dialog.DoModal();
  std::cout << "dialog font: " << family << ", base units " << units.horizontal << " x "
            << units.vertical << '\n';
  EXPECT_FALSE(family.empty());
  EXPECT_GT(units.horizontal, 3);
  EXPECT_GT(units.vertical, 8);
  // The client area is the template's size in dialog units.
  EXPECT_EQ(client.width, platform::MulDiv(200, units.horizontal, 4));
  EXPECT_EQ(client.height, platform::MulDiv(100, units.vertical, 8));
}

}  // namespace
