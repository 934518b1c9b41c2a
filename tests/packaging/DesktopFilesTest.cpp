// The files that introduce the program to the desktop: icons that are the program's own dollar sign enlarged
// without blurring, and one name shared by the application, its desktop entry, its icon and its metadata.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>

namespace {
const QString kGenerated = QStringLiteral(QUENCHMARK_GENERATED_DIR);
const QString kIconSources = QStringLiteral(QUENCHMARK_ICON_SOURCE_DIR);

QString readText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

// True when every pixel of icon is the pixel of source it covers, source being enlarged factor times.
bool isBlockEnlargement(const QImage& icon, const QImage& source, int factor) {
  if (icon.size() != source.size() * factor) return false;
  for (int y = 0; y < icon.height(); ++y)
    for (int x = 0; x < icon.width(); ++x)
      if (icon.pixel(x, y) != source.pixel(x / factor, y / factor)) return false;
  return true;
}

class IconSize : public ::testing::TestWithParam<int> {};

TEST_P(IconSize, IsAProgramIconEnlargedByAWholeFactor) {
  const int size = GetParam();
  const QString path = QStringLiteral("%1/hicolor/%2x%2/apps/%3.png")
                           .arg(kGenerated)
                           .arg(size)
                           .arg(QGuiApplication::desktopFileName());
  const QImage icon = QImage(path).convertToFormat(QImage::Format_ARGB32);
  ASSERT_FALSE(icon.isNull()) << path.toStdString();
  ASSERT_EQ(icon.size(), QSize(size, size));

  bool matched = false;
  for (const QString& name : {QStringLiteral("dollar16.xpm"), QStringLiteral("dollar32.xpm")}) {
    const QImage source = QImage(kIconSources + QLatin1Char('/') + name).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(source.isNull()) << name.toStdString();
    if (size % source.width() == 0 && isBlockEnlargement(icon, source, size / source.width())) matched = true;
  }
  EXPECT_TRUE(matched) << size << " px icon is not a program icon enlarged pixel by pixel";
}

INSTANTIATE_TEST_SUITE_P(Hicolor, IconSize, ::testing::Values(16, 32, 48, 256));

TEST(DesktopName, NamesTheEntryItsIconAndTheMetadata) {
  const QString id = QGuiApplication::desktopFileName();
  ASSERT_FALSE(id.isEmpty());

  const QString entry = readText(kGenerated + QLatin1Char('/') + id + QStringLiteral(".desktop"));
  ASSERT_FALSE(entry.isEmpty()) << "no desktop entry named after " << id.toStdString();
  EXPECT_TRUE(entry.contains(QStringLiteral("\nIcon=") + id + QLatin1Char('\n')));

  const QString metadata = readText(kGenerated + QLatin1Char('/') + id + QStringLiteral(".metainfo.xml"));
  ASSERT_FALSE(metadata.isEmpty()) << "no metadata named after " << id.toStdString();
  EXPECT_TRUE(metadata.contains(QStringLiteral("<id>") + id + QStringLiteral("</id>")));
  EXPECT_TRUE(metadata.contains(QStringLiteral("<launchable type=\"desktop-id\">") + id +
                                QStringLiteral(".desktop</launchable>")));
}
}  // namespace
