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

// A 32 x 32 red square and a 16 x 16 blue one, as PNG: an icon group easy to find in a
// picture.
constexpr unsigned char kRedIcon[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44,
    0x52, 0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0x20, 0x08, 0x06, 0x00, 0x00, 0x00, 0x73,
    0x7a, 0x7a, 0xf4, 0x00, 0x00, 0x00, 0x2b, 0x49, 0x44, 0x41, 0x54, 0x78, 0xda, 0xed, 0xce,
    0x21, 0x01, 0x00, 0x00, 0x0c, 0x04, 0xa1, 0xeb, 0x5f, 0x7a, 0x8b, 0xf1, 0x06, 0x81, 0xa7,
    0xab, 0x5b, 0x4a, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40,
    0x40, 0x40, 0x60, 0x1d, 0x78, 0x54, 0x0d, 0xf8, 0x6a, 0x78, 0xfe, 0x6e, 0x80, 0x00, 0x00,
    0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
constexpr unsigned char kBlueSmallIcon[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48,
    0x44, 0x52, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x10, 0x08, 0x06, 0x00, 0x00,
    0x00, 0x1f, 0xf3, 0xff, 0x61, 0x00, 0x00, 0x00, 0x18, 0x49, 0x44, 0x41, 0x54, 0x78,
    0xda, 0x63, 0x60, 0x60, 0xf8, 0xff, 0x9f, 0x32, 0x3c, 0x6a, 0xc0, 0xa8, 0x01, 0xa3,
    0x06, 0x0c, 0x13, 0x03, 0x00, 0x32, 0xa6, 0xfe, 0x10, 0x0d, 0xb5, 0x8f, 0xe1, 0x00,
    0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

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
  static const platform::ResourceSet set{
      kProgramName,
      "example.tremlet.PlatformTests",
      {Keys(), Plain(), Owner(), Desktop(), Bare()},
      {{AFX_IDP_FAILED_TO_LAUNCH_HELP, kHelpFailedText}},
      {{kIcon, {{kRedIcon, sizeof kRedIcon}, {kBlueSmallIcon, sizeof kBlueSmallIcon}}}}};
  return set;
}

}  // namespace test_resources
