// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives the program's windows from a test the way a user would: keys, clicks, and what
// the windows show. A modal run is scripted ahead: RunSoon queues an action that runs
// once the run's event loop has started, with the window shown.
//
//   RunSoon([] { PressKey(Key::Escape); });
//   EXPECT_EQ(dialog.DoModal(), IDCANCEL);

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/cdialog.h"
#include "platform/dialog_units.h"
#include "platform/win_defs.h"

namespace platform::testing {

// Starts the toolkit for a test program: Qt's offscreen platform unless QT_QPA_PLATFORM
// says otherwise. Create one before any window, keep it for the whole program. Given the
// path a program would run from, it also sets the application object up from that path
// as start-up does (its name, its help file), once the resources are installed.
class Toolkit {
 public:
  explicit Toolkit(const std::string& programPath = {});
  ~Toolkit();
  Toolkit(const Toolkit&) = delete;
  Toolkit& operator=(const Toolkit&) = delete;
};

void RunSoon(std::function<void()> action);
// Lets pending events run (painting, focus changes).
void ProcessEvents();

enum class Key { Return, Enter, Escape, Tab, Space, F1, F4 };
enum Modifier : unsigned { kNone = 0, kShift = 1, kControl = 2, kAlt = 4 };

// To the focus widget of the innermost window, as the keyboard would.
void PressKey(Key key, unsigned modifiers = kNone);
void PressLetter(char letter, unsigned modifiers = kNone);
void TypeText(const std::string& text);
void Click(HWND control);
// What the window manager's close box does.
void CloseWindow(HWND window);

HWND ActiveDialog();  // the innermost open dialog, or nullptr
// Whether the dialog's modal run has been told to end; the run returns once the action
// that ended it is over.
bool IsEnding(HWND dialog);
// Ends a dialog's run from outside, for a test that must not hang when a key fails to.
void ForceEnd(HWND dialog);
HWND Control(HWND dialog, int id);
HWND ControlAt(HWND dialog, int index);  // in template order; nullptr past the end
HWND FocusedControl();                   // nullptr when the focus is on none of our controls
int IdOf(HWND control);                  // 0 for nullptr
void Focus(HWND control);
std::string Text(HWND window);
// Replaces an edit's whole text, as a user selecting all and typing would.
void SetText(HWND edit, const std::string& text);
// Whether the control shows its whole text in its font, without cutting any of it off.
bool TextFits(HWND control);
bool IsChecked(HWND checkBox);
bool ShowsAsDefault(HWND pushButton);
bool IsVisible(HWND window);
bool IsTransientFor(HWND window, HWND owner);
bool HasOwnTaskBarEntry(HWND window);
PixelRect ScreenGeometry(HWND window);  // client area, desktop pixels
PixelRect FrameGeometry(HWND window);   // a window with its frame, desktop pixels
// The open message box with its frame; nothing when none is open.
std::optional<PixelRect> MessageBoxFrame();
BaseUnits UnitsOf(HWND dialog);
PixelRect PrimaryWorkArea();
std::string FontFamily(HWND dialog);

// The system menu's item texts, "" for a separator.
std::vector<std::string> SystemMenuItems(HWND dialog);
// The texts of the pop-up menu open right now; empty when none is.
std::vector<std::string> OpenMenuItems();
// What a screen reader calls the open pop-up menu's items; "" for a separator.
std::vector<std::string> OpenMenuAccessibleNames();
// Clicks an item of the open pop-up menu; false when there is no such item.
bool ChooseMenuItem(const std::string& text);
// A right click where the dialog shows no control.
void RightClickBackground(HWND dialog);

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;  // row by row
  std::uint32_t At(int x, int y) const {
    return argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                static_cast<std::size_t>(x)];
  }
};
// Paints the window's client area as it would appear, through its own WM_PAINT.
Image Render(HWND window);
void SetMinimized(HWND window, bool minimized);
// An icon group's image at a size, as the program draws it.
Image IconImage(UINT groupId, int size);
// Saves the window's client area as a PNG picture.
bool SavePicture(HWND window, const std::string& path);
// The sizes of the icon the window shows in the task bar and window list.
std::vector<int> WindowIconSizes(HWND window);

// What a drag carries, by MIME type.
struct DragData {
  std::string mimeType;
  std::string bytes;
};
// A file manager's drag of local files: "text/uri-list" with their file: URIs, every
// byte of a path that is not plain ASCII percent-encoded.
DragData FilesDrag(const std::vector<std::string>& paths);
DragData TextDrag(const std::string& text);
// Drags the data over the control (or the window) at its middle: whether it would be
// taken, rather than "no drop" shown.
bool TakesDrag(HWND control, const DragData& data);
// Drops it there; true when taken. The window acts on it once events are processed.
bool DropOn(HWND control, const DragData& data);

enum class MessageIcon { None, Stop, Question, Exclamation, Information };

struct MessageBoxView {
  std::string caption;
  std::string text;
  MessageIcon icon = MessageIcon::None;
  std::vector<std::string> buttons;
  HWND owner = nullptr;  // the dialog it is transient for, or nullptr
};

std::optional<MessageBoxView> ActiveMessageBox();
// Clicks the message box's button with this text.
void PressMessageBoxButton(const std::string& text);

}  // namespace platform::testing
