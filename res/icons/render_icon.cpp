// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: renders an SVG picture into a square PNG image of a given size.
//
//   render_icon PICTURE.svg SIZE OUT.png [--vga16]
//
// --vga16 then keeps every pixel to the nearest of the 16 colours of the classic palette,
// or to full transparency, as the program's 16-colour icon images are.

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr std::array<QRgb, 16> kVga16 = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};

QRgb NearestVga(QRgb colour) {
  QRgb best = kVga16[0];
  int bestDistance = 1 << 30;
  for (const QRgb candidate : kVga16) {
    const int dr = qRed(colour) - qRed(candidate);
    const int dg = qGreen(colour) - qGreen(candidate);
    const int db = qBlue(colour) - qBlue(candidate);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      best = candidate;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || argc > 5 || (argc == 5 && std::strcmp(argv[4], "--vga16") != 0)) {
    std::fprintf(stderr, "usage: %s PICTURE.svg SIZE OUT.png [--vga16]\n", argv[0]);
    return 2;
  }
  const bool vga16 = argc == 5;
  const int size = std::stoi(argv[2]);
  // No application object: the pictures hold no text, so neither fonts nor a display
  // are needed.
  QSvgRenderer picture{QString::fromLocal8Bit(argv[1])};
  if (!picture.isValid() || size <= 0) {
    std::fprintf(stderr, "%s: cannot render %s at %s\n", argv[0], argv[1], argv[2]);
    return 1;
  }
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.render(&painter);
  }
  if (vga16) {
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const QRgb pixel = image.pixel(x, y);
        image.setPixel(x, y, qAlpha(pixel) < 128 ? 0 : NearestVga(pixel));
      }
    }
  }
  if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
    return 1;
  }
  return 0;
}
