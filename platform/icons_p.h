#pragma once

// Internal to the platform layer: icons and device contexts over Qt.

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "platform/win_defs.h"

struct HICON__ {
  UINT id = 0;
  QIcon icon;     // every image of the group
  QPixmap large;  // the SM_CXICON x SM_CYICON image, or the largest
};

struct HDC__ {
  QPainter* painter = nullptr;
  QWidget* widget = nullptr;
};

namespace platform {

inline constexpr int kIconSize = 32;
inline constexpr int kSmallIconSize = 16;

// The large image of an icon group, or a null pixmap.
QPixmap IconPixmap(UINT groupId);

}  // namespace platform
