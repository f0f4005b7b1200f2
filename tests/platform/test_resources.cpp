#include "tests/platform/test_resources.h"

namespace test_resources {
namespace {

using platform::ControlClass;
using platform::ControlTemplate;
using platform::DialogTemplate;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

DialogTemplate Dialog(UINT id, const char* caption, int width, int height,
                      std::vector<ControlTemplate> controls, DWORD extraStyle = 0) {
  DialogTemplate d;
  d.id = id;
  d.caption = caption;
  d.rect = {0, 0, width, height};
  d.style = kDialogStyle | extraStyle;
  d.controls = std::move(controls);
  return d;
}

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
  const DWORD edit = kChild | WS_BORDER | WS_TABSTOP;
  return Dialog(
      kKeysDialog, "Keys", 200, 100,
      {
          {ControlClass::Edit, kFirstEdit, "", {10, 10, 60, 14}, edit},
          {ControlClass::Button,
           kCheck,
           "&Check",
           {10, 30, 60, 12},
           kChild | WS_TABSTOP | BS_AUTOCHECKBOX},
          {ControlClass::Button, kGo, "&Go", {80, 10, 50, 14}, kChild | WS_TABSTOP | BS_PUSHBUTTON},
          {ControlClass::Button,
           kDefault,
           "&Default",
           {80, 30, 50, 14},
           kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
          {ControlClass::Static, -1, "&Name:", {10, 52, 30, 8}, kChild | SS_LEFT},
          {ControlClass::Edit, kNamedEdit, "", {45, 50, 60, 14}, edit},
          {ControlClass::Static, -1, "A & B", {10, 70, 40, 8}, kChild | SS_LEFT | SS_NOPREFIX},
      });
}

DialogTemplate Plain() {
  return Dialog(kPlainDialog, "Plain", 100, 40,
                {{ControlClass::Edit,
                  kPlainEdit,
                  "",
                  {10, 10, 80, 14},
                  kChild | WS_BORDER | WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL}});
}

DialogTemplate Owner() {
  DialogTemplate d = Dialog(kOwnerDialog, "Owner", 160, 80,
                            {{ControlClass::Button,
                              kOpen,
                              "&Open",
                              {10, 10, 50, 14},
                              kChild | WS_TABSTOP | BS_DEFPUSHBUTTON}},
                            WS_VISIBLE);
  d.exStyle = WS_EX_APPWINDOW;
  d.extended = true;
  return d;
}

DialogTemplate Desktop() {
  ControlTemplate icon{ControlClass::Static, -1, "", {80, 5, 20, 20}, kChild | SS_ICON};
  icon.iconId = kIcon;
  return Dialog(
      kDesktopDialog, "Desktop", 120, 60,
      {{ControlClass::Edit, kPlainEdit, "", {5, 5, 60, 14}, kChild | WS_BORDER | WS_TABSTOP},
       icon});
}

}  // namespace

const platform::ResourceSet& Set() {
  static const platform::ResourceSet set{
      {Keys(), Plain(), Owner(), Desktop()}, {}, {{kIcon, {{kRedIcon}, {kBlueSmallIcon}}}}};
  return set;
}

}  // namespace test_resources
