// The stored position, keep-on-top and level: read at start, written by the close box alone in one new file.
#include "tests/support/Support.h"

#include <QStyle>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

static std::string bytes(const QString& path) {
  QFile file(path);
  return file.open(QFile::ReadOnly) ? file.readAll().toStdString() : "(none)";
}

// Puts the store in place: a FIFO for "(FIFO)", else a "[Settings]" line and these bytes, linked to a name that keeps
// them unless the file is rewritten in place; returns the file's bytes.
static std::string makeStore(const QByteArray& store) {
  for (const QString& path : {storePath(), storePath() + ".bak", storePath() + ".link"})
    std::filesystem::remove_all(path.toStdString());
  if (store == "(FIFO)")
    mkfifo(QFile::encodeName(storePath()), 0600);
  if (store.isEmpty() || store.startsWith('('))
    return "(none)";
  QFile file(storePath());
  const QByteArray bytes = "[Settings]\n" + store;
  EXPECT_TRUE(file.open(QFile::WriteOnly) && file.write(bytes) == bytes.size() && file.flush());
  // A time of its own for every store: Qt takes a file of the size and time of one it has read for that one.
  static qint64 stores = 0;
  file.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++stores), QFileDevice::FileModificationTime);
  EXPECT_EQ(link(QFile::encodeName(storePath()), QFile::encodeName(storePath() + ".link")), 0);
  return bytes.toStdString();
}

// The four values as any other INI reader reads them back; none from a store that is no plain file.
static std::vector<int> stored() {
  if (!QFileInfo(storePath()).isFile())
    return {};
  const QSettings store(storePath(), QSettings::IniFormat);
  return {store.value("Settings/window x", -99).toInt(), store.value("Settings/window y", -99).toInt(),
          store.value("Settings/top", -99).toInt(), store.value("Settings/level", -99).toInt()};
}

// Read: a plain store of at most 64 KiB, its position moved onto the 800 x 800 offscreen screen as far as the window
// fits with its title bar in reach. Written by the close box: a new file, the old kept beside it when over 64 KiB.
TEST(Settings, StartsFromAPlainStoreAndTheCloseBoxReplacesItWhole) {
  const QByteArray oversized = "top=1\n" + QByteArray(64 * 1024, ';');
  const int titleBarTop = 800 - QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
  const QByteArray atTitleBarTop = "window%20x=100\nwindow%20y=" + QByteArray::number(titleBarTop) + "\n";
  const QByteArray belowTitleBarTop = "window%20x=100\nwindow%20y=" + QByteArray::number(titleBarTop + 1) + "\n";
  const struct {
    const char* name;
    QByteArray store;  // after its "[Settings]" line; empty: none
    QPoint position;   // x or y of INT_MAX: as far right or down as the window fits
    int top, level;
  } cases[] = {
      {"none", "", {200, 200}, 0, ID_SKILL_100},
      {"as Qt writes it", "window%20x=300\nwindow%20y=150\ntop=1\nlevel=32777\n", {300, 150}, 1, ID_SKILL_50},
      {"blanks in keys", "window x = 310\nwindow y = 40\ntop=-1\nlevel=32775\n", {310, 40}, 1, ID_SKILL_70},
      {"not numbers", "top=0\nlevel=32771\nwindow%20x=left\nwindow%20y=12abc\n", {200, 200}, 0, ID_SKILL_100},
      {"just right of the 800 x 800 screen", "window%20x=800\nwindow%20y=100\n", {200, 200}, 0, ID_SKILL_100},
      {"above and left of the screen", "window%20x=-50\nwindow%20y=-60\n", {0, 0}, 0, ID_SKILL_100},
      {"only the title bar on the screen", atTitleBarTop, {100, titleBarTop}, 0, ID_SKILL_100},
      {"the title bar across the bottom edge", belowTitleBarTop, {100, INT_MAX}, 0, ID_SKILL_100},
      {"across the right and top edges", "window%20x=700\nwindow%20y=-10\n", {INT_MAX, 0}, 0, ID_SKILL_100},
      {"over 64 KiB", oversized, {200, 200}, 0, ID_SKILL_100},
      {"a FIFO", "(FIFO)", {200, 200}, 0, ID_SKILL_100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string written = makeStore(c.store);
    const int ended = withWindow([&](PriceDlgProbe& dlg) {
      const bool onTop = dlg.window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
      // The window's size without its frame, which is not known before the window shows.
      const QSize size = dlg.window()->size();
      const QPoint position(c.position.x() == INT_MAX ? 800 - size.width() : c.position.x(),
                            c.position.y() == INT_MAX ? 800 - size.height() : c.position.y());
      EXPECT_EQ(std::tuple(dlg.window()->frameGeometry().topLeft(), dlg.m_bTopMost, onTop, dlg.m_nLevel,
                           dlg.shown(IDC_EXEC_RATE)),
                std::tuple(position, c.top == 1, c.top == 1, c.level, QStringLiteral("72")))
          << "Axe at level 100 whatever the level";
      dlg.window()->move(321, 123);
      dlg.window()->close();
    });
    EXPECT_EQ(ended, IDCANCEL) << "the close box ends the window";
    EXPECT_EQ(stored(), (c.store.startsWith('(') ? std::vector<int>{} : std::vector{321, 123, c.top, c.level}));
    EXPECT_EQ(bytes(storePath() + ".link"), written);
    EXPECT_EQ(bytes(storePath() + ".bak"), c.store == oversized ? written : "(none)");
  }
}
