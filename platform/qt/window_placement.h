// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where our top-level windows open: centred, frame and all, over their owner's frame and
// kept inside the work area of the owner's monitor; without an owner, in the primary
// monitor's work area. Until a window is shown its frame is unknown (the window manager
// makes it), so it is placed with the owner's frame as the estimate, and placed again
// once the window manager has told its real frame, a few milliseconds after showing.

#include <QWidget>

namespace platform {

// Places `window` before it is shown and follows up after. `owner` may be nullptr.
void PlaceCentred(QWidget& window, QWidget* owner);

}  // namespace platform
