// Build tool: enlarges one of the program's own icon images by a whole factor into a PNG for the desktop's
// icon theme. Every source pixel becomes a square block of the same colour, so the sign stays crisp and
// gains no colours of its own.
// Usage: quenchmark_iconscale SOURCE FACTOR OUTPUT.png
#include <QImage>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s SOURCE FACTOR OUTPUT.png\n", argv[0]);
    return 2;
  }
  bool ok = false;
  const int factor = QString::fromLocal8Bit(argv[2]).toInt(&ok);
  if (!ok || factor < 1 || factor > 64) {
    std::fprintf(stderr, "%s: the factor must be a whole number from 1 to 64, not '%s'\n", argv[0], argv[2]);
    return 2;
  }
  const QImage source(QString::fromLocal8Bit(argv[1]));
  if (source.isNull()) {
    std::fprintf(stderr, "%s: cannot read the image %s\n", argv[0], argv[1]);
    return 1;
  }
  const QImage scaled = source.convertToFormat(QImage::Format_ARGB32)
                            .scaled(source.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  if (!scaled.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
    return 1;
  }
  return 0;
}
