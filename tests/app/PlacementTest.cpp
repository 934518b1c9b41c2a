// Where a stored position puts the window: where it says, unless the title bar could not be reached there.
#include "tests/support/Support.h"

#include <QStyle>

TEST(Placement, AWindowWhoseTitleBarIsNotWhollyOnTheScreenMovesOntoItAsFarAsItFits) {
  // 800 x 800 on Qt's offscreen platform.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const int titleBar = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
  const struct {
    const char* name;
    QPoint stored;
    QPoint expected;  // x or y of INT_MAX: as far right or down as the window fits
  } cases[] = {
      {"wholly on the screen", {300, 150}, {300, 150}},
      {"only the title bar on the screen", {100, 800 - titleBar}, {100, 800 - titleBar}},
      {"above and left of the screen", {-50, -60}, {0, 0}},
      {"title bar across the bottom edge", {100, 800 - titleBar + 1}, {100, INT_MAX}},
      {"across the right and top edges", {700, -10}, {INT_MAX, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QSettings(storePath(), QSettings::IniFormat).setValue("Settings/window x", c.stored.x());
    QSettings(storePath(), QSettings::IniFormat).setValue("Settings/window y", c.stored.y());
    withWindow([&](PriceDlgProbe& dlg) {
      // As far as the window fits without its frame, which is not known before the window shows.
      const QSize window = dlg.window()->size();
      const auto at = [](int expected, int farthest) {
        return expected == INT_MAX ? farthest : expected;
      };
      EXPECT_EQ(dlg.window()->frameGeometry().topLeft(),
                QPoint(at(c.expected.x(), screen.right() + 1 - window.width()),
                       at(c.expected.y(), screen.bottom() + 1 - window.height())));
    });
  }
}
