// The stored position, keep-on-top and level: restored at start, written by the close box alone, whatever the store.
#include "tests/support/Support.h"

static void writeStore(const QByteArray& bytes) {
  QFile file(storePath());
  ASSERT_TRUE(file.open(QFile::WriteOnly | QFile::Truncate) && file.write(bytes) == bytes.size());
}

// The four values as any other INI reader reads them back.
static std::vector<int> stored() {
  const QSettings store(storePath(), QSettings::IniFormat);
  return {store.value("Settings/window x", -99).toInt(), store.value("Settings/window y", -99).toInt(),
          store.value("Settings/top", -99).toInt(), store.value("Settings/level", -99).toInt()};
}

TEST(Settings, StartsWhereTheStoreSaysOrAtTheDefaultsAndWritesNothing) {
  const struct {
    const char* store;
    QPoint position;
    bool topMost;
    int level;
  } cases[] = {
      {nullptr, {200, 200}, false, ID_SKILL_100},
      {"[Settings]\nwindow%20x=300\nwindow%20y=150\ntop=1\nlevel=32777\n", {300, 150}, true, ID_SKILL_50},
      {"[Settings]\nwindow x = 310\nwindow y = 40\ntop=-1\nlevel=32775\n", {310, 40}, true, ID_SKILL_70},
      {"[Settings]\ntop=0\nlevel=32771\nwindow%20x=left\nwindow%20y=12abc\n", {200, 200}, false, ID_SKILL_100},
      {"[Settings]\nlevel=32778\ntop=4294967296\n", {200, 200}, false, ID_SKILL_100},
      {"[Settings]\nlevel=32775,32776\n[General]\ntop=1\n", {200, 200}, false, ID_SKILL_100},
      {"\x01\x02\n[Settings]\n\xff\xfe\ntop=1\n\x80=\x81\nlevel=32776\n", {200, 200}, true, ID_SKILL_60},
      {"[Settings]\nwindow%20x=800\nwindow%20y=100\n",
       {200, 200},
       false,
       ID_SKILL_100},  // just right of the 800 x 800 screen
      {"[Settings]\nwindow%20x=100\nwindow%20y=800\n", {200, 200}, false, ID_SKILL_100},  // just below it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.store ? c.store : "no store");
    QFile::remove(storePath());
    if (c.store)
      writeStore(c.store);
    withWindow([&](PriceDlgProbe& dlg) {
      // Start-up shows Axe at level 100 whatever the level; Enter ends the window without writing.
      const bool onTop = dlg.window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
      EXPECT_EQ(std::tuple(dlg.window()->frameGeometry().topLeft(), dlg.m_bTopMost, onTop, dlg.m_nLevel,
                           dlg.shown(IDC_EXEC_RATE)),
                std::tuple(c.position, c.topMost, c.topMost, c.level, QStringLiteral("72")));
      QTest::keyClick(dlg.rate(), Qt::Key_Return);
    });
    QFile file(storePath());
    EXPECT_EQ(file.open(QFile::ReadOnly) ? file.readAll() : QByteArray("(none)"),
              c.store ? QByteArray(c.store) : QByteArray("(none)"));
  }
}

TEST(Settings, TheCloseBoxStoresWhereTheWindowIsAndWhatItHolds) {
  writeStore("[Settings]\ntop=5\nlevel=32775\n");
  EXPECT_EQ(withWindow([](PriceDlgProbe& dlg) {
              dlg.window()->move(321, 123);
              dlg.choose("Bardiche");
              dlg.choose("Axe");
              EXPECT_EQ(dlg.shown(IDC_FAIL_RATE), "28") << "the restored level shows from the next refresh on";
              dlg.window()->close();
            }),
            IDCANCEL);
  EXPECT_EQ(stored(), (std::vector<int>{321, 123, 1, ID_SKILL_70})) << "any non-zero top comes back as 1";
  withWindow([](PriceDlgProbe& dlg) {
    dlg.OnKeepOnTop();
    dlg.OnSkill100();
    dlg.window()->close();
  });
  EXPECT_EQ(stored(), (std::vector<int>{321, 123, 0, ID_SKILL_100}));
}
