// Build tool: draws the program's icon from its SVG source at one size into a PNG with a transparent background, for
// the window, the About box and the desktop's icon theme.
// Usage: quenchmark_iconrender SOURCE.svg SIZE OUTPUT.png
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s SOURCE.svg SIZE OUTPUT.png\n", argv[0]);
    return 2;
  }
  bool ok = false;
  const int size = QString::fromLocal8Bit(argv[2]).toInt(&ok);
  if (!ok || size < 1 || size > 1024) {
    std::fprintf(stderr, "%s: the size must be a whole number of pixels from 1 to 1024, not '%s'\n", argv[0], argv[2]);
    return 2;
  }
  QSvgRenderer source(QString::fromLocal8Bit(argv[1]));
  if (!source.isValid()) {
    std::fprintf(stderr, "%s: cannot read the image %s\n", argv[0], argv[1]);
    return 1;
  }
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  source.render(&painter);
  painter.end();
  if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
    return 1;
  }
  return 0;
}
