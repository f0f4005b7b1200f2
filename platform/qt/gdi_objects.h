// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What icon and device-context handles stand for in the Qt backend.

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "platform/win_defs.h"

struct HICON__ {
  QIcon icon;  // every image of the group
};

struct HDC__ {
  QPainter* painter = nullptr;
};

namespace platform {

// SM_CXICON: 32 pixels at the usual 96 dots per inch, more where the desktop's fonts are
// set at a higher resolution (64 at 192), as the dialogs grow with their font.
int IconSize();

// An icon's large image, IconSize() across, for a screen of that pixel ratio.
QPixmap LargeImage(const HICON__& icon, qreal pixelRatio);

// The large image of an icon group for the primary screen, or a null pixmap.
QPixmap IconPixmap(UINT groupId);

}  // namespace platform
