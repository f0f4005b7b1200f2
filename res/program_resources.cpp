#include "res/program_resources.h"

#include "res/resource.h"

namespace res {
namespace {

#include "res/icons/emblem_32.xpm"
#include "res/icons/mainframe_16.xpm"
#include "res/icons/mainframe_32.xpm"

using platform::ControlClass;
using platform::ControlTemplate;
using platform::DialogTemplate;

// What the resource compiler adds to every control.
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr DWORD kLabel = kChild | SS_LEFT | WS_GROUP;
constexpr DWORD kField = kChild | WS_BORDER | WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL;

ControlTemplate Button(int id, const char* text, platform::DialogRect rect, DWORD style) {
  return {ControlClass::Button, id, text, rect, kChild | style, 0};
}
ControlTemplate Edit(int id, platform::DialogRect rect, DWORD style) {
  return {ControlClass::Edit, id, "", rect, style, 0};
}
ControlTemplate Label(const char* text, platform::DialogRect rect, DWORD style = kLabel) {
  return {ControlClass::Static, IDC_STATIC, text, rect, style, 0};
}
ControlTemplate Icon(UINT iconId, platform::DialogRect rect) {
  return {ControlClass::Static, IDC_STATIC, "", rect, kChild | SS_ICON, iconId};
}

// All three: at 0, 0, in "MS Sans Serif" 8 pt, normal weight, the default character set.
DialogTemplate Dialog(UINT id, const char* caption, int width, int height, DWORD style) {
  DialogTemplate d;
  d.id = id;
  d.caption = caption;
  d.rect = {0, 0, width, height};
  d.font = {"MS Sans Serif", 8, 400, false, 1};
  d.style = style;
  return d;
}

DialogTemplate MainWindow() {
  DialogTemplate d =
      Dialog(IDD_TEMPOCALC_DIALOG, "velmora Tremlet 1.0", 241, 125, kDialogStyle | WS_VISIBLE);
  d.extended = true;
  d.exStyle = WS_EX_APPWINDOW;
  d.controls = {
      Button(IDC_ABOUT, "&About", {7, 102, 59, 16}, BS_DEFPUSHBUTTON | WS_TABSTOP),
      Button(IDC_HELP_PAGE, "&Help", {175, 102, 59, 16}, BS_PUSHBUTTON | WS_TABSTOP),
      Edit(IDC_PERIOD, {68, 7, 80, 14}, kField),
      Button(IDC_COMPUTE_TEMPO, "Compute &Tempo", {175, 7, 59, 16}, BS_PUSHBUTTON | WS_TABSTOP),
      Edit(IDC_BEATS, {68, 26, 58, 14}, kField),
      Edit(IDC_TEMPO, {67, 47, 80, 14}, kField),
      Button(IDC_COMPUTE_PERIOD, "Compute &Period", {175, 46, 59, 16}, BS_PUSHBUTTON | WS_TABSTOP),
      Label("Period (loop time) :", {7, 10, 60, 8}),
      Label("Tempo :", {38, 50, 28, 8}),
      Label("BPM", {151, 50, 16, 8}),
      Label("s", {151, 10, 8, 8}),
      Label("at :", {54, 29, 11, 10}),
      Label("beats", {129, 29, 30, 9}),
      Icon(IDI_EMBLEM, {110, 98, 20, 20}),
      Button(IDC_SHOW_NTH, "&Display n/th ", {67, 65, 87, 12}, BS_AUTOCHECKBOX | WS_TABSTOP),
      Button(IDC_ROUNDED, "&Rounded results", {67, 81, 65, 11}, BS_AUTOCHECKBOX | WS_TABSTOP),
  };
  return d;
}

DialogTemplate SubdivisionWindow() {
  DialogTemplate d = Dialog(IDD_SUBDIVISION, "velmora Tremlet NTH", 136, 138, kDialogStyle);
  struct Row {
    const char* label;
    int x;
    int width;
    int id;
  };
  const Row rows[] = {{"1/2", 39, 12, IDC_NTH_2},     {"1/4", 39, 12, IDC_NTH_4},
                      {"1/8", 39, 12, IDC_NTH_8},     {"1/16", 35, 15, IDC_NTH_16},
                      {"1/32", 35, 16, IDC_NTH_32},   {"1/64", 35, 15, IDC_NTH_64},
                      {"1/128", 31, 20, IDC_NTH_128}, {"1/256", 32, 20, IDC_NTH_256}};
  // Template order: the eight labels, the eight fields, the eight units.
  for (int i = 0; i < 8; ++i) {
    d.controls.push_back(Label(rows[i].label, {rows[i].x, 9 + 16 * i, rows[i].width, 8}));
  }
  for (int i = 0; i < 8; ++i) {
    d.controls.push_back(Edit(rows[i].id, {57, 7 + 16 * i, 58, 12}, kField | ES_READONLY));
  }
  for (int i = 0; i < 8; ++i) {
    d.controls.push_back(Label("s", {119, 9 + 16 * i, 10, 10}));
  }
  return d;
}

DialogTemplate AboutWindow() {
  DialogTemplate d = Dialog(IDD_ABOUTBOX, "About Tremlet.exe", 179, 69, kDialogStyle);
  d.controls = {
      Icon(IDR_MAINFRAME, {7, 7, 21, 20}),
      Label("velmora Tremlet", {40, 10, 78, 8}, kLabel | SS_NOPREFIX),
      Label("\xC2\xA9 2026 velmora", {40, 39, 69, 8}),
      Button(IDOK, "OK", {122, 7, 50, 14}, BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP),
      Label("www.tremlet.example", {40, 50, 77, 9}),
      Button(IDCANCEL, "Visit Site", {122, 48, 50, 14}, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP),
      Label("version 1.0", {40, 21, 78, 10}),
  };
  return d;
}

}  // namespace

const platform::ResourceSet& ProgramResources() {
  static const platform::ResourceSet resources{
      {AboutWindow(), MainWindow(), SubdivisionWindow()},
      {{IDS_ABOUTBOX, "&A propos de tremlet..."}},
      {{IDR_MAINFRAME, {{kMainFrame32}, {kMainFrame16}}}, {IDI_EMBLEM, {{kEmblem32}}}},
  };
  return resources;
}

}  // namespace res
