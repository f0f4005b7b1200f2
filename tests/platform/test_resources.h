// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dialog templates that exercise the dialog services, standing in for the program's own.

#include "platform/resources.h"

namespace test_resources {

inline constexpr char kProgramName[] = "platform-tests";
inline constexpr char kHelpFailedText[] = "help failed to start";

inline constexpr UINT kKeysDialog = 900;     // edits, a check box, two push buttons, one default
inline constexpr UINT kPlainDialog = 901;    // one edit, no push button
inline constexpr UINT kOwnerDialog = 902;    // a push button that opens more windows
inline constexpr UINT kDesktopDialog = 903;  // a system menu and an icon
inline constexpr UINT kBareDialog = 904;     // a caption without a system menu
inline constexpr UINT kIcon = 950;           // 32 x 32 red, 16 x 16 blue

inline constexpr int kFirstEdit = 10;
inline constexpr int kCheck = 11;
inline constexpr int kGo = 12;
inline constexpr int kDefault = 13;
inline constexpr int kNamedEdit = 14;
inline constexpr int kPlainEdit = 20;
inline constexpr int kOpen = 30;

const platform::ResourceSet& Set();

}  // namespace test_resources
