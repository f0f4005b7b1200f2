// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What icon and device-context handles stand for in the Qt backend.

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "platform/win_defs.h"

struct HICON__ {
  QIcon icon;     // every image of the group
  QPixmap large;  // the SM_CXICON x SM_CYICON image, or the largest
};

struct HDC__ {
  QPainter* painter = nullptr;
};

namespace platform {

inline constexpr int kIconSize = 32;

// The large image of an icon group, or a null pixmap.
QPixmap IconPixmap(UINT groupId);

}  // namespace platform
