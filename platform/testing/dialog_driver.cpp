// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/testing/dialog_driver.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/cmenu.h"
#include "platform/cwinapp.h"
#include "platform/gdi.h"
#include "platform/qt/dialog_host.h"
#include "platform/qt/gdi_objects.h"
#include "platform/qt/open_dialogs.h"
#include "platform/qt/widget_text.h"

namespace platform::testing {
namespace {

std::unique_ptr<QApplication> toolkit;

Qt::KeyboardModifiers ToQt(unsigned modifiers) {
  Qt::KeyboardModifiers result;
  if ((modifiers & kShift) != 0) {
    result |= Qt::ShiftModifier;
  }
  if ((modifiers & kControl) != 0) {
    result |= Qt::ControlModifier;
  }
  if ((modifiers & kAlt) != 0) {
    result |= Qt::AltModifier;
  }
  return result;
}

Qt::Key ToQt(Key key) {
  switch (key) {
    case Key::Return:
      return Qt::Key_Return;
    case Key::Enter:
      return Qt::Key_Enter;
    case Key::Escape:
      return Qt::Key_Escape;
    case Key::Tab:
      return Qt::Key_Tab;
    case Key::Space:
      return Qt::Key_Space;
    case Key::F1:
      return Qt::Key_F1;
    case Key::F4:
      return Qt::Key_F4;
  }
  return Qt::Key_unknown;
}

// Where a key goes: an open pop-up menu, which has the keyboard to itself, else the focus
// widget of the innermost modal window.
QWidget* KeyTarget() {
  if (QWidget* popup = QApplication::activePopupWidget()) {
    return popup;
  }
  if (QWidget* modal = QApplication::activeModalWidget()) {
    if (QWidget* focus = modal->focusWidget()) {
      return focus;
    }
    return modal;
  }
  if (HWND dialog = ActiveDialog()) {
    if (QWidget* focus = dialog->widget->focusWidget()) {
      return focus;
    }
    return dialog->widget;
  }
  return QApplication::focusWidget();
}

Image ImageOf(const QImage& source) {
  const QImage picture = source.convertToFormat(QImage::Format_ARGB32);
  Image image;
  image.width = picture.width();
  image.height = picture.height();
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      image.argb.push_back(picture.pixel(x, y));
    }
  }
  return image;
}

template <typename T>
T* WidgetAs(HWND window) {
  return qobject_cast<T*>(WidgetOf(window));
}

QMessageBox* OpenMessageBox() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
      return box;
    }
  }
  return nullptr;
}

}  // namespace

Toolkit::Toolkit(const std::string& programPath) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  static int argc = 1;
  static char name[] = "tremlet-tests";
  static char* argv[] = {name, nullptr};
  toolkit = std::make_unique<QApplication>(argc, argv);
  if (CWinApp* app = AfxGetApp(); app != nullptr && !programPath.empty()) {
    app->InitFromExecutable(programPath);
  }
}

Toolkit::~Toolkit() {
  toolkit.reset();
}

void RunSoon(std::function<void()> action) {
  QTimer::singleShot(0, qApp, [action = std::move(action)] {
    // A user acts on the window in front, once it is active: on a real display the
    // activation arrives a little after the window is shown.
    QWidget* front = OpenMessageBox();
    if (front == nullptr) {
      if (HWND dialog = ActiveDialog(); dialog != nullptr) {
        front = dialog->widget;
      }
    }
    if (front != nullptr && !front->isActiveWindow()) {
      static_cast<void>(QTest::qWaitForWindowActive(front, 2000));
    }
    action();
  });
}

void ProcessEvents() {
  QCoreApplication::processEvents();
}

void PressKey(Key key, unsigned modifiers) {
  QTest::keyClick(KeyTarget(), ToQt(key), ToQt(modifiers));
}

void PressLetter(char letter, unsigned modifiers) {
  QTest::keyClick(KeyTarget(), letter, ToQt(modifiers));
}

void TypeText(const std::string& text) {
  QTest::keyClicks(KeyTarget(), QString::fromStdString(text));
}

void Click(HWND control) {
  if (QWidget* widget = WidgetOf(control)) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
  }
}

void CloseWindow(HWND window) {
  if (QWidget* widget = WidgetOf(window)) {
    widget->close();
  }
}

HWND ActiveDialog() {
  const auto& open = OpenDialogs();
  return open.empty() ? nullptr : open.back()->Window();
}

bool IsEnding(HWND dialog) {
  return dialog != nullptr && dialog->host != nullptr && dialog->host->Ending();
}

void ForceEnd(HWND dialog) {
  if (dialog != nullptr && dialog->host != nullptr) {
    dialog->host->End(IDABORT);
  }
}

HWND Control(HWND dialog, int id) {
  return dialog != nullptr && dialog->host != nullptr ? dialog->host->Control(id) : nullptr;
}

HWND ControlAt(HWND dialog, int index) {
  if (dialog == nullptr || dialog->host == nullptr || index < 0 ||
      static_cast<std::size_t>(index) >= dialog->host->Controls().size()) {
    return nullptr;
  }
  return dialog->host->Controls()[static_cast<std::size_t>(index)].get();
}

HWND FocusedControl() {
  QWidget* focus = QApplication::focusWidget();
  if (QWidget* dialog = WidgetOf(ActiveDialog())) {
    focus = dialog->focusWidget();
  }
  HWND handle = HandleOf(focus);
  return handle != nullptr && handle->kind != WindowKind::Dialog ? handle : nullptr;
}

int IdOf(HWND control) {
  return control != nullptr ? control->id : 0;
}

void Focus(HWND control) {
  if (QWidget* widget = WidgetOf(control)) {
    widget->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
  }
}

std::string Text(HWND window) {
  QWidget* widget = WidgetOf(window);
  return widget != nullptr ? WidgetText(*widget).toStdString() : std::string();
}

void SetText(HWND edit, const std::string& text) {
  if (auto* line = WidgetAs<QLineEdit>(edit)) {
    line->setText(QString::fromStdString(text));
  }
}

bool TextFits(HWND control) {
  QWidget* widget = WidgetOf(control);
  if (widget == nullptr) {
    return false;
  }
  QString text;
  int available = widget->width();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool isCheckBox = qobject_cast<QCheckBox*>(widget) != nullptr;
    available = widget->style()
                    ->subElementRect(
                        isCheckBox ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents,
                        &option, widget)
                    .width();
    text = button->text();
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (label->text().isEmpty()) {
      return true;  // an icon
    }
    text = label->text();
    available = label->contentsRect().width();
    if (label->wordWrap()) {
      return true;  // room for more lines
    }
  } else {
    return true;
  }
  // Mnemonic marks take no room; a doubled one is a literal ampersand.
  if ((control->style & SS_NOPREFIX) == 0 || control->kind != WindowKind::Static) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(QStringLiteral("\x01"), QStringLiteral("&"));
  }
  const QFontMetrics metrics(widget->font());
  return metrics.horizontalAdvance(text) <= available && metrics.height() <= widget->height();
}

bool IsChecked(HWND checkBox) {
  auto* box = WidgetAs<QCheckBox>(checkBox);
  return box != nullptr && box->isChecked();
}

bool ShowsAsDefault(HWND pushButton) {
  auto* button = WidgetAs<QPushButton>(pushButton);
  return button != nullptr && button->isDefault();
}

bool IsVisible(HWND window) {
  QWidget* widget = WidgetOf(window);
  return widget != nullptr && widget->isVisible();
}

bool IsTransientFor(HWND window, HWND owner) {
  QWidget* widget = WidgetOf(window);
  QWidget* ownerWidget = WidgetOf(owner);
  if (widget == nullptr || ownerWidget == nullptr) {
    return false;
  }
  QWindow* handle = widget->windowHandle();
  return handle != nullptr && handle->transientParent() == ownerWidget->windowHandle();
}

bool HasOwnTaskBarEntry(HWND window) {
  QWidget* widget = WidgetOf(window);
  // Dialog-type windows with a transient parent get no entry of their own.
  return widget != nullptr && widget->windowType() == Qt::Window &&
         widget->parentWidget() == nullptr;
}

PixelRect ScreenGeometry(HWND window) {
  const QWidget* widget = WidgetOf(window);
  if (widget == nullptr) {
    return {};
  }
  const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
  return {origin.x(), origin.y(), widget->width(), widget->height()};
}

PixelRect FrameGeometry(HWND window) {
  const QWidget* widget = WidgetOf(window);
  if (widget == nullptr) {
    return {};
  }
  const QRect frame = widget->frameGeometry();
  return {frame.x(), frame.y(), frame.width(), frame.height()};
}

std::optional<PixelRect> MessageBoxFrame() {
  const QMessageBox* box = OpenMessageBox();
  if (box == nullptr) {
    return std::nullopt;
  }
  const QRect frame = box->frameGeometry();
  return PixelRect{frame.x(), frame.y(), frame.width(), frame.height()};
}

PixelRect PrimaryWorkArea() {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  return {area.x(), area.y(), area.width(), area.height()};
}

BaseUnits UnitsOf(HWND dialog) {
  return dialog != nullptr && dialog->host != nullptr ? dialog->host->Units() : BaseUnits{};
}

std::string FontFamily(HWND dialog) {
  QWidget* widget = WidgetOf(dialog);
  return widget != nullptr ? QFontInfo(widget->font()).family().toStdString() : std::string();
}

std::vector<std::string> SystemMenuItems(HWND dialog) {
  std::vector<std::string> texts;
  CMenu* menu = dialog != nullptr && dialog->host != nullptr ? dialog->host->SystemMenu() : nullptr;
  if (menu != nullptr) {
    for (const HMENU__::Item& item : menu->m_hMenu->items) {
      texts.push_back(item.text);
    }
  }
  return texts;
}

namespace {

QMenu* OpenMenu() {
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// An item as the menu shows it: its text, then its key after a tab.
std::string ItemText(const QAction& action) {
  QString text = action.text();
  if (!action.shortcut().isEmpty()) {
    text += u'\t' + action.shortcut().toString(QKeySequence::PortableText);
  }
  return text.toStdString();
}

}  // namespace

std::vector<std::string> OpenMenuItems() {
  std::vector<std::string> texts;
  if (QMenu* menu = OpenMenu()) {
    for (QAction* action : menu->actions()) {
      texts.push_back(action->isSeparator() ? std::string() : ItemText(*action));
    }
  }
  return texts;
}

std::vector<std::string> OpenMenuAccessibleNames() {
  std::vector<std::string> names;
  QMenu* menu = OpenMenu();
  QAccessibleInterface* accessible =
      menu != nullptr ? QAccessible::queryAccessibleInterface(menu) : nullptr;
  for (int i = 0; accessible != nullptr && i < accessible->childCount(); ++i) {
    QAccessibleInterface* item = accessible->child(i);
    const bool separator = item->role() == QAccessible::Separator;
    names.push_back(separator ? std::string() : item->text(QAccessible::Name).toStdString());
  }
  return names;
}

bool ChooseMenuItem(const std::string& text) {
  QMenu* menu = OpenMenu();
  if (menu == nullptr) {
    return false;
  }
  for (QAction* action : menu->actions()) {
    if (!action->isSeparator() && ItemText(*action) == text) {
      QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                        menu->actionGeometry(action).center());
      return true;
    }
  }
  return false;
}

void RightClickBackground(HWND dialog) {
  QWidget* widget = WidgetOf(dialog);
  if (widget == nullptr) {
    return;
  }
  for (int y = 1; y < widget->height(); y += 4) {
    for (int x = 1; x < widget->width(); x += 4) {
      if (widget->childAt(x, y) == nullptr) {
        QTest::mouseClick(widget, Qt::RightButton, Qt::NoModifier, QPoint(x, y));
        return;
      }
    }
  }
}

Image Render(HWND window) {
  QWidget* widget = WidgetOf(window);
  if (widget == nullptr) {
    return {};
  }
  QImage picture(widget->size(), QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  widget->render(&picture);
  return ImageOf(picture);
}

Image IconImage(UINT groupId, int size) {
  HICON icon = LoadIconA(nullptr, MAKEINTRESOURCE(groupId));
  if (icon == nullptr) {
    return {};
  }
  return ImageOf(icon->icon.pixmap(QSize(size, size), 1.0).toImage());
}

bool SavePicture(HWND window, const std::string& path) {
  QWidget* widget = WidgetOf(window);
  return widget != nullptr && widget->grab().save(QString::fromStdString(path), "PNG");
}

void SetMinimized(HWND window, bool minimized) {
  if (QWidget* widget = WidgetOf(window)) {
    widget->setWindowState(minimized ? Qt::WindowMinimized : Qt::WindowNoState);
    QCoreApplication::processEvents();
  }
}

std::vector<int> WindowIconSizes(HWND window) {
  std::vector<int> sizes;
  if (QWidget* widget = WidgetOf(window)) {
    for (const QSize& size : widget->windowIcon().availableSizes()) {
      sizes.push_back(size.width());
    }
  }
  std::sort(sizes.begin(), sizes.end());
  return sizes;
}

DragData FilesDrag(const std::vector<std::string>& paths) {
  DragData data{"text/uri-list", {}};
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const std::string& path : paths) {
    data.bytes += "file://";
    for (const char c : path) {
      const auto byte = static_cast<unsigned char>(c);
      if (std::isalnum(byte) || std::strchr("/-._~", c) != nullptr) {
        data.bytes += c;
      } else {
        data.bytes += '%';
        data.bytes += kHex[byte >> 4];
        data.bytes += kHex[byte & 15];
      }
    }
    data.bytes += "\r\n";
  }
  return data;
}

DragData TextDrag(const std::string& text) {
  return {"text/plain", text};
}

namespace {

// Sends a drag's entry (and with `drop`, the drop) where a user would point.
bool Drag(HWND control, const DragData& data, bool drop) {
  QWidget* widget = WidgetOf(control);
  if (widget == nullptr) {
    return false;
  }
  QMimeData mime;
  mime.setData(QString::fromStdString(data.mimeType),
               QByteArray(data.bytes.data(), static_cast<qsizetype>(data.bytes.size())));
  const QPointF at = QRectF(widget->rect()).center();
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &enter);
  if (!enter.isAccepted()) {
    return false;
  }
  if (!drop) {
    QDragLeaveEvent leave;
    QApplication::sendEvent(widget, &leave);
    return true;
  }
  QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &dropped);
  return dropped.isAccepted();
}

}  // namespace

bool TakesDrag(HWND control, const DragData& data) {
  return Drag(control, data, false);
}

bool DropOn(HWND control, const DragData& data) {
  return Drag(control, data, true);
}

std::optional<MessageBoxView> ActiveMessageBox() {
  QMessageBox* box = OpenMessageBox();
  if (box == nullptr) {
    return std::nullopt;
  }
  MessageBoxView view;
  view.caption = box->windowTitle().toStdString();
  view.text = box->text().toStdString();
  switch (box->icon()) {
    case QMessageBox::Critical:
      view.icon = MessageIcon::Stop;
      break;
    case QMessageBox::Question:
      view.icon = MessageIcon::Question;
      break;
    case QMessageBox::Warning:
      view.icon = MessageIcon::Exclamation;
      break;
    case QMessageBox::Information:
      view.icon = MessageIcon::Information;
      break;
    case QMessageBox::NoIcon:
      view.icon = MessageIcon::None;
      break;
  }
  for (QAbstractButton* button : box->buttons()) {
    view.buttons.push_back(button->text().toStdString());
  }
  view.owner = HandleOf(box->parentWidget());
  return view;
}

void PressMessageBoxButton(const std::string& text) {
  if (QMessageBox* box = OpenMessageBox()) {
    for (QAbstractButton* button : box->buttons()) {
      if (button->text().toStdString() == text) {
        button->click();
        return;
      }
    }
  }
}

}  // namespace platform::testing
