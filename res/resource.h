// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numbers of the program's resources, commands and controls.

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_TEMPOCALC_DIALOG 102
#define IDD_SUBDIVISION 133

// Icon groups.
#define IDR_MAINFRAME 128
#define IDI_EMBLEM 132

// Strings.
#define IDS_ABOUTBOX 101
#define IDS_FILE_UNUSABLE 104     // a dropped file: %1 its name, %2 the cause
#define IDS_LENGTH_ESTIMATED 105  // the cause for an MP3 whose length is estimated

// The system-menu command that opens the About window.
#define IDM_ABOUTBOX 0x0010

// Controls of the main window.
#define IDC_COMPUTE_PERIOD 1000
#define IDC_COMPUTE_TEMPO 1001
#define IDC_PERIOD 1002
#define IDC_TEMPO 1003
#define IDC_BEATS 1004
#define IDC_ABOUT 1005
#define IDC_HELP_PAGE 1006
#define IDC_SHOW_NTH 1007
#define IDC_ROUNDED 1009

// Fields of the subdivision window, 1/2 to 1/256.
#define IDC_NTH_2 1008
#define IDC_NTH_4 1009
#define IDC_NTH_8 1010
#define IDC_NTH_16 1011
#define IDC_NTH_32 1012
#define IDC_NTH_64 1013
#define IDC_NTH_128 1014
#define IDC_NTH_256 1015
