// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application-wide input filter that gives our dialogs the platform's keyboard (Tab
// order, Enter and Escape, mnemonics, closing, help, the system menu) in place of Qt's
// defaults, and makes a disabled top-level window refuse keys, clicks and the wheel.

namespace platform {

// Once per application; later calls do nothing.
void InstallInputFilter();

}  // namespace platform
