// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dialog templates as data: what a dialog resource holds. Positions and sizes are in
// dialog units; the controls are in template order, which is also the tab order.
//
// The templates keep the styles their resources have even where this layer reads none of
// them (WS_POPUP, WS_CAPTION, DS_MODALFRAME, DS_SETFONT, WS_GROUP, ES_AUTOHSCROLL).

#include <string>
#include <utility>
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
  // What a screen reader calls the control, where its labels alone would not say it well
  // (a field between "at :" and "beats"); empty for the default.
  std::string accessibleName;
};

struct DialogFont {
  std::string face = "MS Sans Serif";
  int pointSize = 8;
  int weight = 400;
  bool italic = false;
};

struct DialogTemplate {
  UINT id = 0;
  std::string caption;
  DialogRect rect;
  DialogFont font;
  DWORD style = 0;
  std::vector<ControlTemplate> controls;
};

// Templates written as code, the way a resource script reads. Every control gets what the
// resource compiler gives it, WS_CHILD | WS_VISIBLE, besides the styles named.
inline constexpr DWORD kControlStyle = WS_CHILD | WS_VISIBLE;
// A fixed-size modal dialog with a caption and a system menu.
inline constexpr DWORD kModalDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

inline ControlTemplate ButtonControl(int id, std::string text, DialogRect rect, DWORD style) {
  return {ControlClass::Button, id, std::move(text), rect, kControlStyle | style, 0, {}};
}
inline ControlTemplate EditControl(int id, DialogRect rect, DWORD style,
                                   std::string accessibleName = {}) {
  return {ControlClass::Edit, id, "", rect, kControlStyle | style, 0, std::move(accessibleName)};
}
inline ControlTemplate StaticText(std::string text, DialogRect rect, DWORD style = SS_LEFT) {
  return {ControlClass::Static, -1, std::move(text), rect, kControlStyle | style, 0, {}};
}
inline ControlTemplate StaticIcon(UINT iconId, DialogRect rect) {
  return {ControlClass::Static, -1, "", rect, kControlStyle | SS_ICON, iconId, {}};
}
// At 0, 0, in the default font, "MS Sans Serif" 8 pt.
inline DialogTemplate DialogAtOrigin(UINT id, std::string caption, int width, int height,
                                     DWORD style, std::vector<ControlTemplate> controls = {}) {
  return {id, std::move(caption), {0, 0, width, height}, {}, style, std::move(controls)};
}

}  // namespace platform
