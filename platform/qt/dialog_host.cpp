// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/dialog_host.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <algorithm>
#include <limits>

#include "platform/cdialog.h"
#include "platform/gdi.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/gdi_objects.h"
#include "platform/qt/input_filter.h"
#include "platform/qt/open_dialogs.h"
#include "platform/qt/widget_text.h"
#include "platform/qt/window_placement.h"
#include "platform/shell.h"

namespace platform {
namespace {

constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

QFont DialogQFont(const DialogFont& font) {
  // The face is asked for by name; the desktop's font configuration substitutes a font
  // it has (for "MS Sans Serif", a sans-serif).
  QFont result(QString::fromStdString(font.face));
  result.setStyleHint(QFont::SansSerif);
  result.setPointSize(font.pointSize);
  result.setWeight(font.weight >= 600 ? QFont::Bold : QFont::Normal);
  result.setItalic(font.italic);
  return result;
}

QRect ToQRect(const PixelRect& rect) {
  return {rect.x, rect.y, rect.width, rect.height};
}

// "&&" is a literal ampersand in both conventions, so the text carries over as it is.
QString ControlText(const ControlTemplate& control) {
  return QString::fromStdString(control.text);
}

}  // namespace

DialogWidget::DialogWidget(DialogHost& host, QWidget* owner, Qt::WindowFlags flags)
    : QWidget(owner, flags), host_(host) {}

void DialogWidget::closeEvent(QCloseEvent* event) {
  // The window manager's close box and Alt+F4 become WM_CLOSE; the dialog decides, and it
  // goes only through EndDialog.
  event->ignore();
  host_.Dialog().SendMessage(WM_CLOSE);
}

void DialogWidget::dragEnterEvent(QDragEnterEvent* event) {
  if (host_.TakesDrop(*event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void DialogWidget::dragMoveEvent(QDragMoveEvent* event) {
  if (host_.TakesDrop(*event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void DialogWidget::dropEvent(QDropEvent* event) {
  if (!host_.TakesDrop(*event->mimeData())) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  host_.Drop(*event->mimeData());
}

void DialogWidget::mousePressEvent(QMouseEvent* event) {
  // A right click on the window's background, not on a control, opens the system menu.
  if (event->button() == Qt::RightButton && childAt(event->position().toPoint()) == nullptr) {
    host_.PopUpSystemMenu(event->globalPosition().toPoint());
    return;
  }
  QWidget::mousePressEvent(event);
}

void DialogWidget::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  host_.Dialog().SendMessage(WM_PAINT);
}

DialogHost::DialogHost(CDialog& dialog, const DialogTemplate& dialogTemplate, HWND owner)
    : dialog_(dialog), template_(dialogTemplate), owner_(owner) {
  InstallInputFilter();
  InstallAccessibility();
}

DialogHost::~DialogHost() {
  Destroy();
}

HWND DialogHost::Control(int id) {
  for (const auto& control : controls_) {
    if (control->id == id) {
      return control.get();
    }
  }
  return nullptr;
}

HWND DialogHost::DefaultPushButton() {
  for (const auto& control : controls_) {
    if (control->kind == WindowKind::PushButton &&
        (control->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
      return control.get();
    }
  }
  return nullptr;
}

void DialogHost::CreateWindow() {
  window_.kind = WindowKind::Dialog;
  window_.id = static_cast<int>(template_.id);
  window_.style = template_.style;
  window_.host = this;
  window_.attached = &dialog_;

  // An owned window is a transient dialog of its owner, without a task-bar entry; a
  // window without owner is a window of its own.
  QWidget* ownerWidget = WidgetOf(owner_);
  Qt::WindowFlags flags = ownerWidget != nullptr ? Qt::Dialog : Qt::Window;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if ((template_.style & WS_SYSMENU) != 0) {
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  }
  if ((template_.style & WS_MINIMIZEBOX) != 0) {
    flags |= Qt::WindowMinimizeButtonHint;
  }
  if ((template_.style & WS_MAXIMIZEBOX) != 0) {
    flags |= Qt::WindowMaximizeButtonHint;
  }
  auto* widget = new DialogWidget(*this, ownerWidget, flags);
  window_.widget = widget;
  widget->setAttribute(Qt::WA_DeleteOnClose, false);
  if (ownerWidget != nullptr) {
    widget->setWindowModality(Qt::WindowModal);
  }
  widget->setWindowTitle(QString::fromStdString(template_.caption));
  if ((template_.style & WS_SYSMENU) != 0) {
    systemMenu_.emplace();  // the program appends its own items in OnInitDialog
  }

  const QFont font = DialogQFont(template_.font);
  widget->setFont(font);
  const QFontMetrics metrics(font);
  units_ =
      BaseUnitsFromFont(metrics.horizontalAdvance(QString::fromLatin1(kLetters)), metrics.height());
  for (const ControlTemplate& control : template_.controls) {
    CreateControl(control);
  }
  LayOut();
  FitTexts();
  LabelFields();
}

void DialogHost::CreateControl(const ControlTemplate& control) {
  auto record = std::make_unique<HWND__>();
  record->id = control.id;
  record->style = control.style;
  record->host = this;
  QWidget* parent = window_.widget;
  QWidget* widget = nullptr;
  HWND handle = record.get();

  switch (control.controlClass) {
    case ControlClass::Button: {
      QAbstractButton* button = nullptr;
      if ((control.style & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
        record->kind = WindowKind::CheckBox;
        button = new QCheckBox(ControlText(control), parent);
      } else {
        record->kind = WindowKind::PushButton;
        auto* push = new QPushButton(ControlText(control), parent);
        push->setAutoDefault(false);
        button = push;
      }
      QObject::connect(button, &QAbstractButton::clicked, button,
                       [this, handle] { SendCommand(handle->id, BN_CLICKED, handle); });
      widget = button;
      break;
    }
    case ControlClass::Edit: {
      record->kind = WindowKind::Edit;
      auto* edit = new QLineEdit(parent);
      // An edit control holds as much as it is given.
      edit->setMaxLength(std::numeric_limits<int>::max());
      edit->setFrame((control.style & WS_BORDER) != 0);
      edit->setAlignment(((control.style & ES_RIGHT) != 0 ? Qt::AlignRight : Qt::AlignLeft) |
                         Qt::AlignVCenter);
      edit->setReadOnly((control.style & ES_READONLY) != 0);
      // An edit control takes no drops: a file dragged over it goes to its window.
      edit->setAcceptDrops(false);
      edit->setText(ControlText(control));
      if (!control.accessibleName.empty()) {
        edit->setAccessibleName(QString::fromStdString(control.accessibleName));
      }
      widget = edit;
      break;
    }
    case ControlClass::Static: {
      auto* label = new QLabel(parent);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      if ((control.style & SS_TYPEMASK) == SS_ICON) {
        record->kind = WindowKind::StaticIcon;
        // An icon static shows the icon at its own size, from the control's corner.
        const QPixmap picture = IconPixmap(control.iconId);
        label->setPixmap(picture);
        record->bigIcon = LoadIconA(nullptr, MAKEINTRESOURCE(control.iconId));
      } else {
        record->kind = WindowKind::Static;
        // A static wraps its text when it has room for more than one line; one with room
        // for a single line keeps it whole rather than pushing its end out of sight.
        const PixelRect rect = ToPixels(control.rect, units_);
        label->setWordWrap(rect.height >= 2 * QFontMetrics(window_.widget->font()).height());
        label->setTextFormat(Qt::PlainText);
        label->setText(ControlText(control));
      }
      widget = label;
      break;
    }
  }

  const bool tabStop = (control.style & WS_TABSTOP) != 0;
  if (record->kind == WindowKind::Static || record->kind == WindowKind::StaticIcon) {
    widget->setFocusPolicy(Qt::NoFocus);
  } else {
    widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
  }
  widget->setEnabled((control.style & WS_DISABLED) == 0);
  widget->setVisible((control.style & WS_VISIBLE) != 0);
  record->widget = widget;
  controls_.push_back(std::move(record));
}

void DialogHost::LayOut() {
  const PixelRect client = ToPixels(template_.rect, units_);
  if ((template_.style & WS_THICKFRAME) != 0) {
    window_.widget->resize(client.width, client.height);
  } else {
    window_.widget->setFixedSize(client.width, client.height);
  }
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    QWidget* widget = controls_[i]->widget;
    const PixelRect rect = ToPixels(template_.controls[i].rect, units_);
    if (controls_[i]->kind == WindowKind::StaticIcon) {
      // An icon static shows the icon at its own size, from the control's corner.
      const QSize size = qobject_cast<QLabel*>(widget)->pixmap().deviceIndependentSize().toSize();
      widget->setGeometry(rect.x, rect.y, size.width(), size.height());
    } else {
      widget->setGeometry(ToQRect(rect));
    }
  }
}

void DialogHost::FitTexts() {
  // Base units from the font's average letter fit the template's own font; a desktop's
  // font may set some words wider than that. Each text needs its advance and what the
  // style puts beside it (a check box's box, a button's bevel).
  int unit = units_.horizontal;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    QWidget* widget = controls_[i]->widget;
    const QString text = VisibleText(*controls_[i]);
    if (text.isEmpty()) {
      continue;
    }
    int room = widget->width();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      QStyleOptionButton option;
      option.initFrom(button);
      option.text = button->text();
      const bool checkBox = controls_[i]->kind == WindowKind::CheckBox;
      room = widget->style()
                 ->subElementRect(
                     checkBox ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents,
                     &option, widget)
                 .width();
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (label->wordWrap()) {
        continue;  // room for more lines
      }
      room = label->contentsRect().width();
    }
    const int needed =
        QFontMetrics(widget->font()).horizontalAdvance(text) + widget->width() - room;
    unit = std::max(unit, HorizontalUnitFor(template_.controls[i].rect.width, needed, unit));
  }
  if (unit != units_.horizontal) {
    units_.horizontal = unit;
    LayOut();
  }
}

void DialogHost::LabelFields() {
  // A label belongs to the field it stands before on the same line: the nearest static
  // text to the field's left whose line overlaps the field's. That is the label a screen
  // reader names with the field. (Mnemonics of statics are the input filter's, which
  // follows the tab order.)
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i]->kind != WindowKind::Edit) {
      continue;
    }
    const DialogRect& field = template_.controls[i].rect;
    QLabel* nearest = nullptr;
    int nearestGap = 0;
    for (std::size_t j = 0; j < controls_.size(); ++j) {
      const DialogRect& label = template_.controls[j].rect;
      const bool sameLine = label.y < field.y + field.height && field.y < label.y + label.height;
      const int gap = field.x - (label.x + label.width);
      if (controls_[j]->kind == WindowKind::Static && sameLine && label.x < field.x &&
          (nearest == nullptr || gap < nearestGap)) {
        nearest = qobject_cast<QLabel*>(controls_[j]->widget.data());
        nearestGap = gap;
      }
    }
    if (nearest != nullptr) {
      nearest->setBuddy(controls_[i]->widget);
    }
  }
}

HWND DialogHost::NextTabStop(HWND from, bool backward) {
  const auto count = static_cast<int>(controls_.size());
  if (count == 0) {
    return nullptr;
  }
  int start = -1;
  for (int i = 0; i < count; ++i) {
    if (controls_[static_cast<std::size_t>(i)].get() == from) {
      start = i;
    }
  }
  if (start < 0) {
    start = backward ? 0 : count - 1;
  }
  for (int step = 1; step <= count; ++step) {
    const int index = ((start + (backward ? -step : step)) % count + count) % count;
    HWND candidate = controls_[static_cast<std::size_t>(index)].get();
    if ((candidate->style & WS_TABSTOP) != 0 && candidate->widget &&
        candidate->widget->isVisibleTo(window_.widget) && candidate->widget->isEnabled()) {
      return candidate;
    }
  }
  return nullptr;
}

void DialogHost::UpdateDefaultLook() {
  HWND focused = HandleOf(window_.widget->focusWidget());
  const bool onPushButton =
      focused != nullptr && focused->host == this && focused->kind == WindowKind::PushButton;
  HWND shown = onPushButton ? focused : DefaultPushButton();
  for (const auto& control : controls_) {
    if (auto* button = qobject_cast<QPushButton*>(control->widget.data())) {
      button->setDefault(control.get() == shown);
    }
  }
}

void DialogHost::SendCommand(int id, UINT code, HWND control) {
  dialog_.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<UINT>(id), code),
                      reinterpret_cast<LPARAM>(control));
}

void DialogHost::AcceptFiles(bool accept) {
  acceptsFiles_ = accept;
  if (QWidget* widget = window_.widget) {
    widget->setAcceptDrops(accept);
  }
}

namespace {

std::vector<std::string> DroppedFiles(const QMimeData& data) {
  const QByteArray uris = data.data(QStringLiteral("text/uri-list"));
  return LocalFilesFromUriList(
      std::string_view(uris.constData(), static_cast<std::size_t>(uris.size())));
}

}  // namespace

bool DialogHost::TakesDrop(const QMimeData& data) const {
  return acceptsFiles_ && window_.enabled && DroppedFiles(data).size() == 1;
}

void DialogHost::Drop(const QMimeData& data) {
  // The drag's source waits until the drop event returns; what the window does with the
  // files (a message box, say) comes after, from the event loop.
  QTimer::singleShot(0, window_.widget, [this, files = DroppedFiles(data)] {
    HDROP__ drop{files};
    dialog_.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(&drop), 0);
  });
}

void DialogHost::PopUpSystemMenu(std::optional<QPoint> at) {
  if (systemMenu_ && window_.widget) {
    systemMenu_->PopUp(dialog_, *window_.widget,
                       at.value_or(window_.widget->mapToGlobal(QPoint(0, 0))));
  }
}

void DialogHost::Place() {
  // Templates at 0, 0 without centring or absolute alignment (all of ours) are centred:
  // over the owner, kept inside its monitor's work area; without one, in the primary
  // monitor's work area.
  PlaceCentred(*window_.widget, WidgetOf(owner_));
}

INT_PTR DialogHost::Run() {
  CreateWindow();
  dialog_.m_hWnd = &window_;
  dialog_.m_host = this;
  OpenDialogs().push_back(this);
  if (owner_ != nullptr) {
    SetTopLevelEnabled(owner_, false);
  }

  const BOOL focusFirst = dialog_.OnInitDialog();
  if (focusFirst && !ended_) {
    if (HWND first = NextTabStop(nullptr, false)) {
      first->widget->setFocus(Qt::TabFocusReason);
      // An edit that gets the focus this way has its text selected, as by Tab later.
      if (auto* edit = qobject_cast<QLineEdit*>(first->widget.data())) {
        edit->selectAll();
      }
    }
  }
  if (!focusFirst && window_.widget->focusWidget() == nullptr) {
    // Nothing asked for the focus: the window keeps it, rather than the toolkit handing
    // it to the first control on activation.
    window_.widget->setFocus(Qt::OtherFocusReason);
  }
  if (!ended_) {
    Place();
    QWidget* widget = window_.widget;
    widget->show();
    widget->raise();
    widget->activateWindow();
    UpdateDefaultLook();
    running_ = true;
    loop_.exec();
    running_ = false;
  }

  if (owner_ != nullptr) {
    SetTopLevelEnabled(owner_, true);
    if (QWidget* ownerWidget = WidgetOf(owner_)) {
      ownerWidget->activateWindow();
    }
  }
  Destroy();
  return result_;
}

void DialogHost::End(int result) {
  result_ = result;
  ended_ = true;
  if (running_) {
    loop_.exit(result);
  }
}

void DialogHost::Destroy() {
  auto& open = OpenDialogs();
  open.erase(std::remove(open.begin(), open.end(), this), open.end());
  for (const auto& control : controls_) {
    if (control->attached != nullptr) {
      control->attached->m_hWnd = nullptr;
      control->attached = nullptr;
    }
  }
  if (window_.attached != nullptr) {
    window_.attached->m_hWnd = nullptr;
    window_.attached = nullptr;
  }
  dialog_.m_host = nullptr;
  if (QWidget* widget = window_.widget) {
    widget->hide();
    delete widget;
  }
  controls_.clear();
}

}  // namespace platform
