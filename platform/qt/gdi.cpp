// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gdi.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <map>
#include <memory>

#include "platform/qt/gdi_objects.h"
#include "platform/qt/window_handle.h"
#include "platform/resources.h"

namespace platform {

int IconSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const qreal dpi = screen != nullptr ? screen->logicalDotsPerInch() : 96;
  return std::max(32, qRound(32 * dpi / 96));
}

QPixmap LargeImage(const HICON__& icon, qreal pixelRatio) {
  return icon.icon.pixmap(QSize(IconSize(), IconSize()), pixelRatio);
}

QPixmap IconPixmap(UINT groupId) {
  HICON icon = LoadIconA(nullptr, MAKEINTRESOURCE(groupId));
  const QScreen* screen = QGuiApplication::primaryScreen();
  return icon != nullptr ? LargeImage(*icon, screen != nullptr ? screen->devicePixelRatio() : 1)
                         : QPixmap();
}

}  // namespace platform

HICON LoadIconA(HINSTANCE /*instance*/, LPCSTR name) {
  static std::map<UINT, std::unique_ptr<HICON__>> loaded;
  const auto id = static_cast<UINT>(reinterpret_cast<std::uintptr_t>(name));
  if (auto it = loaded.find(id); it != loaded.end()) {
    return it->second.get();
  }
  const platform::IconGroup* group = platform::FindIconGroup(id);
  if (group == nullptr || group->images.empty()) {
    return nullptr;
  }
  auto icon = std::make_unique<HICON__>();
  for (const platform::IconImage& image : group->images) {
    QPixmap picture;
    if (!picture.loadFromData(image.png, static_cast<uint>(image.size), "PNG")) {
      continue;
    }
    icon->icon.addPixmap(picture);
  }
  return loaded.emplace(id, std::move(icon)).first->second.get();
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
  if (m_hDC == nullptr || m_hDC->painter == nullptr || icon == nullptr) {
    return FALSE;
  }
  m_hDC->painter->drawPixmap(
      x, y, platform::LargeImage(*icon, m_hDC->painter->device()->devicePixelRatioF()));
  return TRUE;
}

CPaintDC::CPaintDC(CWnd* window) {
  if (QWidget* widget = platform::WidgetOf(window != nullptr ? window->GetSafeHwnd() : nullptr)) {
    m_hDC = new HDC__{new QPainter(widget)};
  }
}

CPaintDC::~CPaintDC() {
  if (m_hDC != nullptr) {
    delete m_hDC->painter;
    delete m_hDC;
  }
}

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXICON:
    case SM_CYICON:
      return platform::IconSize();
    default:
      return 0;
  }
}
