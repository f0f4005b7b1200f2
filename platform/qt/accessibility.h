// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader is told of our windows: each dialog as a modal dialog, buttons and
// check boxes by their text without mnemonic marks, and their press and toggle actions
// refused while their window is blocked by a modal one, as keys and clicks are.

namespace platform {

// Once per application; later calls do nothing.
void InstallAccessibility();

}  // namespace platform
