// Build tool: draws the program's icon from its SVG source at one size on a transparent background, into a PNG for the
// desktop's icon theme or, for the window and the About box, into raw premultiplied ARGB pixels (OUTPUT.argb) that the
// program shows without decoding them.
// Usage: quenchmark_iconrender SOURCE.svg SIZE OUTPUT.png|OUTPUT.argb
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s SOURCE.svg SIZE OUTPUT.png|OUTPUT.argb\n", argv[0]);
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
  const QString output = QString::fromLocal8Bit(argv[3]);
  QFile raw(output);
  const bool written = output.endsWith(QStringLiteral(".argb"))
                           ? raw.open(QFile::WriteOnly) && raw.write(reinterpret_cast<const char*>(image.constBits()),
                                                                     image.sizeInBytes()) == image.sizeInBytes()
                           : image.save(output, "PNG");
  if (!written) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
    return 1;
  }
  return 0;
}
