#pragma once

// Dialog templates as data: what a dialog resource holds. Positions and sizes are in
// dialog units; the controls are in template order, which is also the tab order.

#include <string>
#include <vector>

#include "platform/win_defs.h"

namespace platform {

enum class ControlClass { Button, Edit, Static };

struct DialogRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct ControlTemplate {
  ControlClass controlClass = ControlClass::Static;
  int id = -1;  // -1 for the statics nobody addresses
  std::string text;
  DialogRect rect;
  DWORD style = 0;  // WS_ and the class's own styles
  UINT iconId = 0;  // for SS_ICON statics: the icon group shown
};

struct DialogFont {
  std::string face = "MS Sans Serif";
  int pointSize = 8;
  int weight = 400;
  bool italic = false;
  int charset = 1;  // the default character set
};

struct DialogTemplate {
  UINT id = 0;
  bool extended = false;
  std::string caption;
  DialogRect rect;
  DialogFont font;
  DWORD style = 0;
  DWORD exStyle = 0;
  std::vector<ControlTemplate> controls;
};

}  // namespace platform
