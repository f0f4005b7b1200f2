// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/program_resources.h"

#include "res/icon_images.h"
#include "res/resource.h"

namespace res {
namespace {

using platform::ButtonControl;
using platform::DialogAtOrigin;
using platform::DialogTemplate;
using platform::EditControl;
using platform::kModalDialogStyle;
using platform::StaticIcon;
using platform::StaticText;

constexpr DWORD kLabel = SS_LEFT | WS_GROUP;
constexpr DWORD kField = WS_BORDER | WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL;

// The main window's resource is an extended template with WS_EX_APPWINDOW; that is not
// kept here, as its task-bar button follows from its having no owner. The fields' names
// for a screen reader say what their row's labels say together.
DialogTemplate MainWindow() {
  return DialogAtOrigin(
      IDD_TEMPOCALC_DIALOG, "velmora Tremlet 1.0", 241, 125, kModalDialogStyle | WS_VISIBLE,
      {
          ButtonControl(IDC_ABOUT, "&About", {7, 102, 59, 16}, BS_DEFPUSHBUTTON | WS_TABSTOP),
          ButtonControl(IDC_HELP_PAGE, "&Help", {175, 102, 59, 16}, BS_PUSHBUTTON | WS_TABSTOP),
          EditControl(IDC_PERIOD, {68, 7, 80, 14}, kField, "Period (loop time)"),
          ButtonControl(IDC_COMPUTE_TEMPO, "Compute &Tempo", {175, 7, 59, 16},
                        BS_PUSHBUTTON | WS_TABSTOP),
          EditControl(IDC_BEATS, {68, 26, 58, 14}, kField, "beats"),
          EditControl(IDC_TEMPO, {67, 47, 80, 14}, kField, "Tempo (BPM)"),
          ButtonControl(IDC_COMPUTE_PERIOD, "Compute &Period", {175, 46, 59, 16},
                        BS_PUSHBUTTON | WS_TABSTOP),
          StaticText("Period (loop time) :", {7, 10, 60, 8}, kLabel),
          StaticText("Tempo :", {38, 50, 28, 8}, kLabel),
          StaticText("BPM", {151, 50, 16, 8}, kLabel),
          StaticText("s", {151, 10, 8, 8}, kLabel),
          StaticText("at :", {54, 29, 11, 10}, kLabel),
          StaticText("beats", {129, 29, 30, 9}, kLabel),
          StaticIcon(IDI_EMBLEM, {110, 98, 20, 20}),
          ButtonControl(IDC_SHOW_NTH, "&Display n/th ", {67, 65, 87, 12},
                        BS_AUTOCHECKBOX | WS_TABSTOP),
          ButtonControl(IDC_ROUNDED, "&Rounded results", {67, 81, 65, 11},
                        BS_AUTOCHECKBOX | WS_TABSTOP),
      });
}

DialogTemplate SubdivisionWindow() {
  DialogTemplate d =
      DialogAtOrigin(IDD_SUBDIVISION, "velmora Tremlet NTH", 136, 138, kModalDialogStyle);
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
    d.controls.push_back(
        StaticText(rows[i].label, {rows[i].x, 9 + 16 * i, rows[i].width, 8}, kLabel));
  }
  for (int i = 0; i < 8; ++i) {
    d.controls.push_back(EditControl(rows[i].id, {57, 7 + 16 * i, 58, 12}, kField | ES_READONLY,
                                     std::string(rows[i].label) + " (s)"));
  }
  for (int i = 0; i < 8; ++i) {
    d.controls.push_back(StaticText("s", {119, 9 + 16 * i, 10, 10}, kLabel));
  }
  return d;
}

DialogTemplate AboutWindow() {
  return DialogAtOrigin(
      IDD_ABOUTBOX, "About Tremlet.exe", 179, 69, kModalDialogStyle,
      {
          StaticIcon(IDR_MAINFRAME, {7, 7, 21, 20}),
          StaticText("velmora Tremlet", {40, 10, 78, 8}, kLabel | SS_NOPREFIX),
          StaticText("\xC2\xA9 2026 velmora", {40, 39, 69, 8}, kLabel),
          ButtonControl(IDOK, "OK", {122, 7, 50, 14}, BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP),
          StaticText("www.tremlet.example", {40, 50, 77, 9}, kLabel),
          ButtonControl(IDCANCEL, "Visit Site", {122, 48, 50, 14},
                        BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP),
          StaticText("version 1.0", {40, 21, 78, 10}, kLabel),
      });
}

}  // namespace

const platform::ResourceSet& ProgramResources() {
  static const platform::ResourceSet resources{
      "tremlet",
      TREMLET_APP_ID,
      {AboutWindow(), MainWindow(), SubdivisionWindow()},
      {
          {IDS_ABOUTBOX, "&A propos de tremlet..."},
          {IDS_FILE_UNUSABLE, "\u201C%1\u201D cannot be used. %2"},
          {IDS_LENGTH_ESTIMATED,
           "Its length is only an estimate: an MP3 without its encoder's delay and padding."},
          // The framework's message when help cannot start; it came with the program in French.
          {AFX_IDP_FAILED_TO_LAUNCH_HELP, "Le démarrage de l'aide a échoué."},
      },
      {{IDR_MAINFRAME,
        {icons::kMainFrame16, icons::kMainFrame24, icons::kMainFrame32, icons::kMainFrame48,
         icons::kMainFrame64, icons::kMainFrame128, icons::kMainFrame256}},
       {IDI_EMBLEM, {icons::kEmblem32, icons::kEmblem64}}},
  };
  return resources;
}

}  // namespace res
