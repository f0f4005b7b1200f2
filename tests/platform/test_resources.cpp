// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/platform/test_resources.h"

namespace test_resources {
namespace {

using platform::ButtonControl;
using platform::DialogAtOrigin;
using platform::DialogTemplate;
using platform::EditControl;
using platform::kModalDialogStyle;
using platform::StaticIcon;
using platform::StaticText;

// A 32 x 32 red square and a 16 x 16 blue one: an icon group easy to find in a picture.
const char* const kRedIcon[] = {
    "32 32 1 1",
    ". c #FF0000",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
};
const char* const kBlueSmallIcon[] = {
    "16 16 1 1",        "# c #0000FF",      "################", "################",
    "################", "################", "################", "################",
    "################", "################", "################", "################",
    "################", "################", "################", "################",
    "################", "################",
};

DialogTemplate Keys() {
  constexpr DWORD kEdit = WS_BORDER | WS_TABSTOP;
  return DialogAtOrigin(
      kKeysDialog, "Keys", 200, 100, kModalDialogStyle,
      {
          EditControl(kFirstEdit, {10, 10, 60, 14}, kEdit),
          ButtonControl(kCheck, "&Check", {10, 30, 60, 12}, WS_TABSTOP | BS_AUTOCHECKBOX),
          ButtonControl(kGo, "&Go", {80, 10, 50, 14}, WS_TABSTOP | BS_PUSHBUTTON),
          ButtonControl(kDefault, "&Default", {80, 30, 50, 14}, WS_TABSTOP | BS_DEFPUSHBUTTON),
          StaticText("&Name:", {10, 52, 30, 8}),
          EditControl(kNamedEdit, {45, 50, 60, 14}, kEdit),
          StaticText("A & B", {10, 70, 40, 8}, SS_LEFT | SS_NOPREFIX),
      });
}

DialogTemplate Plain() {
  return DialogAtOrigin(kPlainDialog, "Plain", 100, 40, kModalDialogStyle,
                        {EditControl(kPlainEdit, {10, 10, 80, 14},
                                     WS_BORDER | WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL)});
}

DialogTemplate Owner() {
  return DialogAtOrigin(
      kOwnerDialog, "Owner", 160, 80, kModalDialogStyle | WS_VISIBLE,
      {ButtonControl(kOpen, "&Open", {10, 10, 50, 14}, WS_TABSTOP | BS_DEFPUSHBUTTON)});
}

DialogTemplate Desktop() {
  return DialogAtOrigin(kDesktopDialog, "Desktop", 120, 60, kModalDialogStyle,
                        {EditControl(kPlainEdit, {5, 5, 60, 14}, WS_BORDER | WS_TABSTOP),
                         StaticIcon(kIcon, {80, 5, 20, 20})});
}

DialogTemplate Bare() {
  return DialogAtOrigin(kBareDialog, "Bare", 100, 40, WS_POPUP | WS_CAPTION | DS_MODALFRAME,
                        {EditControl(kPlainEdit, {10, 10, 80, 14}, WS_BORDER | WS_TABSTOP)});
}

}  // namespace

const platform::ResourceSet& Set() {
  static const platform::ResourceSet set{kProgramName,
                                         {Keys(), Plain(), Owner(), Desktop(), Bare()},
                                         {{AFX_IDP_FAILED_TO_LAUNCH_HELP, kHelpFailedText}},
                                         {{kIcon, {{kRedIcon}, {kBlueSmallIcon}}}}};
  return set;
}

}  // namespace test_resources
