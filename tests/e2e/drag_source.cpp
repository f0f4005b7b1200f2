// SPDX-License-Identifier: GPL-3.0-or-later
// A file manager in miniature for the end-to-end test: a window that starts a drag of
// one file, as a file manager does, when a mouse button goes down on it.
//
//   drag_source FILE

#include <QApplication>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

namespace {

class Source : public QLabel {
 public:
  explicit Source(QString path) : QLabel(QStringLiteral("drag me")), path_(std::move(path)) {}

 protected:
  void mousePressEvent(QMouseEvent* /*event*/) override {
    auto* mime = new QMimeData;
    mime->setUrls({QUrl::fromLocalFile(path_)});
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction);
  }

 private:
  QString path_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    return 2;
  }
  Source source(QString::fromLocal8Bit(argv[1]));
  source.setWindowTitle(QStringLiteral("tremlet drag source"));
  source.setFixedSize(120, 60);
  source.move(0, 0);
  source.show();
  return QApplication::exec();
}
