// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <optional>
#include <vector>

#include "platform/placement.h"

namespace platform {
namespace {

// How long after showing a window its frame may still arrive, and how often to look.
constexpr int kFrameChecks = 60;
constexpr int kFrameCheckMilliseconds = 10;

PixelRect ToPixelRect(const QRect& rect) {
  return {rect.x(), rect.y(), rect.width(), rect.height()};
}

std::vector<Monitor> Monitors() {
  std::vector<Monitor> monitors;
  QScreen* primary = QGuiApplication::primaryScreen();
  if (primary != nullptr) {
    monitors.push_back(
        {ToPixelRect(primary->geometry()), ToPixelRect(primary->availableGeometry())});
  }
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen != primary) {
      monitors.push_back(
          {ToPixelRect(screen->geometry()), ToPixelRect(screen->availableGeometry())});
    }
  }
  return monitors;
}

QMargins FrameOf(const QWidget& widget) {
  const QWindow* handle = widget.windowHandle();
  return handle != nullptr && widget.isVisible() ? handle->frameMargins() : QMargins();
}

// Moves the window so that its frame, of the given margins, sits where it should.
void Place(QWidget& window, QWidget* owner, const QMargins& frame) {
  std::optional<PixelRect> ownerRect;
  if (owner != nullptr) {
    ownerRect = ToPixelRect(owner->frameGeometry());
  }
  const Size outer{window.width() + frame.left() + frame.right(),
                   window.height() + frame.top() + frame.bottom()};
  const Point corner = PlaceDialog(outer, ownerRect, Monitors());
  // A top-level widget's position is its frame's.
  window.move(corner.x, corner.y);
}

// After showing, watches for the window manager's frame and places the window once more
// when it differs from the estimate; then lets go.
class FrameFollower : public QObject {
 public:
  FrameFollower(QWidget& window, QWidget* owner, QMargins estimate)
      : QObject(&window), window_(&window), owner_(owner), estimate_(estimate) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_) {
      return false;
    }
    if (event->type() == QEvent::Resize && window_->isVisible()) {
      // A message box lays itself out as it shows: its final size comes after the show.
      placedWith_ = Frame();
      Place(*window_, owner_, placedWith_);
    } else if (event->type() == QEvent::Show && !shown_) {
      shown_ = true;
      placedWith_ = Frame();
      Place(*window_, owner_, placedWith_);
      // Some platforms know the frame at once; a window manager tells it a little later.
      auto* timer = new QTimer(this);
      QObject::connect(timer, &QTimer::timeout, this, [this, timer] {
        if (Check() || ++checks_ >= kFrameChecks) {
          timer->stop();
          if (window_) {
            window_->removeEventFilter(this);
          }
          deleteLater();
        }
      });
      timer->start(kFrameCheckMilliseconds);
      Check();
    }
    return false;
  }

 private:
  // The real frame once the window manager has given it, the estimate until then.
  QMargins Frame() const {
    const QMargins frame = window_ ? FrameOf(*window_) : QMargins();
    return frame.isNull() ? estimate_ : frame;
  }

  // True once the frame is known and the window sits by it.
  bool Check() {
    if (!window_) {
      return true;
    }
    const QMargins frame = FrameOf(*window_);
    if (frame.isNull()) {
      return false;
    }
    if (frame != placedWith_) {
      Place(*window_, owner_, frame);
      placedWith_ = frame;
    }
    return true;
  }

  QPointer<QWidget> window_;
  QPointer<QWidget> owner_;
  QMargins estimate_;
  QMargins placedWith_ = estimate_;
  bool shown_ = false;
  int checks_ = 0;
};

}  // namespace

void PlaceCentred(QWidget& window, QWidget* owner) {
  // An owned window gets the same kind of frame as its owner, as a rule: the best guess
  // before the window manager has framed it. A window of its own has nothing to go by.
  const QMargins estimate = owner != nullptr ? FrameOf(*owner) : QMargins();
  Place(window, owner, estimate);
  new FrameFollower(window, owner, estimate);
}

}  // namespace platform
