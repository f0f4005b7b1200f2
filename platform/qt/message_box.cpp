// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMessageBox>
#include <QPushButton>

#include "platform/cwinapp.h"
#include "platform/qt/open_dialogs.h"
#include "platform/qt/window_placement.h"
#include "platform/resources.h"

namespace {

QMessageBox::Icon IconFor(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONSTOP:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
      return QMessageBox::Warning;
    case MB_ICONINFORMATION:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

int AfxMessageBox(std::string_view text, UINT type, UINT /*helpId*/) {
  // An OK box that names no icon gets the exclamation mark.
  if ((type & MB_ICONMASK) == 0 && (type & MB_TYPEMASK) == MB_OK) {
    type |= MB_ICONEXCLAMATION;
  }
  HWND owner = platform::DefaultOwner();
  QWidget* ownerWidget = platform::WidgetOf(owner);

  CWinApp* app = AfxGetApp();
  QMessageBox box(IconFor(type),
                  QString::fromStdString(app != nullptr ? app->m_pszAppName : std::string()),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                  QMessageBox::NoButton, ownerWidget);
  box.setTextFormat(Qt::PlainText);
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  QPushButton* cancel = nullptr;
  if ((type & MB_TYPEMASK) == MB_OKCANCEL) {
    cancel = box.addButton(QMessageBox::Cancel);
  }
  box.setDefaultButton(ok);
  box.setEscapeButton(cancel != nullptr ? cancel : ok);
  box.setWindowModality(ownerWidget != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
  // Qt lays the box out when it shows it; it is placed as the dialogs are, over its owner.
  box.adjustSize();
  platform::PlaceCentred(box, ownerWidget);

  platform::SetTopLevelEnabled(owner, false);
  box.exec();
  platform::SetTopLevelEnabled(owner, true);
  if (ownerWidget != nullptr) {
    ownerWidget->activateWindow();
  }
  return box.clickedButton() == cancel && cancel != nullptr ? IDCANCEL : IDOK;
}

int AfxMessageBox(UINT stringId, UINT type, UINT helpId) {
  return AfxMessageBox(platform::LoadResourceString(stringId), type, helpId);
}
