// The stored window position, keep-on-top and skill level: restored at start, written by the close box
// alone, and a store that is missing, damaged or cannot be written never in the way.
#include "framework/CWinApp.h"
#include "framework/MessageBox.h"
#include "tests/framework/ScopedEnvironment.h"
#include "tests/support/CollectedMessages.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PriceDlgProbe.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <cctype>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
QString storePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
         QCoreApplication::applicationName() + QStringLiteral(".ini");
}

void writeStore(const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(storePath()).absolutePath());
  QFile file(storePath());
  ASSERT_TRUE(file.open(QFile::WriteOnly | QFile::Truncate));
  file.write(bytes);
}

// The whole file, or nothing when there is none.
std::optional<QByteArray> storeBytes(const QString& path = storePath()) {
  QFile file(path);
  if (!file.open(QFile::ReadOnly)) return std::nullopt;
  return file.readAll();
}

// Reads the store back the way any other INI reader would.
std::optional<int> storedValue(const char* key) {
  const QSettings store(storePath(), QSettings::IniFormat);
  bool ok = false;
  const int value = store.value(QStringLiteral("Settings/") + QLatin1String(key)).toInt(&ok);
  return ok ? std::optional(value) : std::nullopt;
}

bool staysOnTop(const QWidget* window) {
  const bool widgetFlag = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  if (const QWindow* native = window->windowHandle()) {
    EXPECT_EQ(native->flags().testFlag(Qt::WindowStaysOnTopHint), widgetFlag) << "the native window disagrees";
  }
  return widgetFlag;
}

CPoint topLeft(const CWnd& window) {
  const CRect rect = window.GetWindowRect();
  return {rect.left, rect.top};
}

class SettingsTest : public ::testing::Test {
protected:
  void SetUp() override { QFile::remove(storePath()); }
  void TearDown() override { QFile::remove(storePath()); }

  // Starts a dialog, moves it to `to` once its loop runs, and leaves through the close box.
  static int moveAndClose(PriceDlgProbe& dlg, QPoint to) {
    return runModal(dlg, [&dlg, to] {
      dlg.GetSafeHwnd()->move(to);
      dlg.GetSafeHwnd()->close();
    });
  }

  CollectedMessages m_collected;
  std::vector<CString>& m_boxes = m_collected.texts;
};

struct RestoreCase {
  const char* name;
  const char* store;  // nullptr: no file at all
  CPoint position;
  bool topMost;
  int level;
};

void PrintTo(const RestoreCase& restore, std::ostream* out) { *out << restore.name; }

std::string caseName(const ::testing::TestParamInfo<RestoreCase>& info) {
  std::string name = info.param.name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

class RestoreTest : public SettingsTest, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(RestoreTest, StartsWhereTheStoreSaysOrAtTheDefaults) {
  const RestoreCase& restore = GetParam();
  // The off-screen cases below assume the headless platform's 800 x 600 screen, or one no larger.
  ASSERT_LT(QGuiApplication::primaryScreen()->geometry().right(), 5000);
  if (restore.store) writeStore(restore.store);
  const std::optional<QByteArray> before = storeBytes();

  PriceDlgProbe dlg;
  ASSERT_TRUE(dlg.Create());
  EXPECT_EQ(topLeft(dlg), restore.position);
  EXPECT_EQ(dlg.m_bTopMost, restore.topMost);
  EXPECT_EQ(staysOnTop(dlg.GetSafeHwnd()), restore.topMost);
  EXPECT_EQ(dlg.m_nLevel, restore.level);
  EXPECT_TRUE(m_boxes.empty()) << "nothing about the store is reported";
  EXPECT_EQ(storeBytes(), before) << "starting writes nothing";
}

constexpr CPoint kDefaultPosition{200, 200};

INSTANTIATE_TEST_SUITE_P(
    Stores, RestoreTest,
    ::testing::Values(
        RestoreCase{"no store", nullptr, kDefaultPosition, false, ID_SKILL_100},
        RestoreCase{"empty file", "", kDefaultPosition, false, ID_SKILL_100},
        RestoreCase{"all four", "[Settings]\nwindow%20x=300\nwindow%20y=150\ntop=1\nlevel=32777\n", {300, 150},
                    true, ID_SKILL_50},
        RestoreCase{"keys typed with blanks", "[Settings]\nwindow x = 310\nwindow y = 40\n", {310, 40}, false,
                    ID_SKILL_100},
        RestoreCase{"top of 5", "[Settings]\ntop=5\n", kDefaultPosition, true, ID_SKILL_100},
        RestoreCase{"top of -1", "[Settings]\ntop=-1\n", kDefaultPosition, true, ID_SKILL_100},
        RestoreCase{"top of 0", "[Settings]\ntop=0\n", kDefaultPosition, false, ID_SKILL_100},
        RestoreCase{"level 32775", "[Settings]\nlevel=32775\n", kDefaultPosition, false, ID_SKILL_70},
        RestoreCase{"level 32777", "[Settings]\nlevel=32777\n", kDefaultPosition, false, ID_SKILL_50},
        RestoreCase{"level 40000", "[Settings]\nlevel=40000\n", kDefaultPosition, false, ID_SKILL_100},
        RestoreCase{"level 32778", "[Settings]\nlevel=32778\n", kDefaultPosition, false, ID_SKILL_100},
        RestoreCase{"level 32771", "[Settings]\nlevel=32771\n", kDefaultPosition, false, ID_SKILL_100},
        RestoreCase{"level 0", "[Settings]\nlevel=0\n", kDefaultPosition, false, ID_SKILL_100},
        RestoreCase{"level -1", "[Settings]\nlevel=-1\n", kDefaultPosition, false, ID_SKILL_100},
        RestoreCase{"level -2147483648", "[Settings]\nlevel=-2147483648\n", kDefaultPosition, false,
                    ID_SKILL_100},
        RestoreCase{"text that is no number",
                    "[Settings]\nwindow%20x=left\nwindow%20y=12abc\ntop=yes\nlevel=seventy\n", kDefaultPosition,
                    false, ID_SKILL_100},
        RestoreCase{"numbers beyond int", "[Settings]\nwindow%20x=99999999999\ntop=4294967296\nlevel=4294999999\n",
                    kDefaultPosition, false, ID_SKILL_100},
        RestoreCase{"a list", "[Settings]\nlevel=32775,32776\n", kDefaultPosition, false, ID_SKILL_100},
        RestoreCase{"another section", "[General]\nlevel=32775\ntop=1\n", kDefaultPosition, false, ID_SKILL_100},
        RestoreCase{"garbage bytes", "\xff\xfe\x01[Sett\x02ings\n==\n=\x80\x81\n[\n\ttop\n", kDefaultPosition,
                    false, ID_SKILL_100},
        RestoreCase{"good keys among garbage", "\x01\x02\n[Settings]\n\xff\xfe\ntop=1\n\x80=\x81\nlevel=32776\n",
                    kDefaultPosition, true, ID_SKILL_60},
        RestoreCase{"partly off the left edge", "[Settings]\nwindow%20x=-50\nwindow%20y=-10\n", {-50, -10}, false,
                    ID_SKILL_100},
        RestoreCase{"near the right edge", "[Settings]\nwindow%20x=790\nwindow%20y=590\n", {790, 590}, false,
                    ID_SKILL_100},
        RestoreCase{"right of every screen", "[Settings]\nwindow%20x=5000\nwindow%20y=100\n", kDefaultPosition,
                    false, ID_SKILL_100},
        RestoreCase{"above every screen", "[Settings]\nwindow%20x=100\nwindow%20y=-5000\n", kDefaultPosition,
                    false, ID_SKILL_100},
        RestoreCase{"where a minimised window was", "[Settings]\nwindow%20x=-32000\nwindow%20y=-32000\n",
                    kDefaultPosition, false, ID_SKILL_100},
        RestoreCase{"at the ends of int",
                    "[Settings]\nwindow%20x=2147483647\nwindow%20y=-2147483648\n", kDefaultPosition, false,
                    ID_SKILL_100}),
    caseName);

TEST_F(SettingsTest, ARestoredLevelShowsFromTheNextRefreshOn) {
  writeStore("[Settings]\nlevel=32775\n");
  PriceDlgProbe dlg;
  ASSERT_TRUE(dlg.Create());
  auto* itemList = dlg.control<QComboBox>(IDC_ITEM);
  ASSERT_GE(itemList->count(), 2);
  ASSERT_EQ(itemList->currentIndex(), 0);
  const auto shown = [&dlg](int id) { return dlg.control<QLabel>(id)->text().toStdString(); };
  // The first item's figures must differ between the two levels, or this proves nothing.
  ASSERT_NE(dlg.m_arrExcRate.GetAt(0), dlg.m_arrEx70.GetAt(0));

  EXPECT_EQ(dlg.m_nLevel, ID_SKILL_70);
  EXPECT_EQ(shown(IDC_EXEC_RATE), dlg.m_arrExcRate.GetAt(0)) << "start-up shows level 100";
  EXPECT_EQ(shown(IDC_NORM_RATE), dlg.m_arrNormRate.GetAt(0));

  itemList->setCurrentIndex(1);
  itemList->setCurrentIndex(0);
  EXPECT_EQ(shown(IDC_EXEC_RATE), dlg.m_arrEx70.GetAt(0)) << "the next refresh shows level 70";
  EXPECT_EQ(shown(IDC_NORM_RATE), dlg.m_arrAvg70.GetAt(0));
  EXPECT_EQ(shown(IDC_BA_RATE), dlg.m_arrBelow70.GetAt(0));
  EXPECT_EQ(shown(IDC_FAIL_RATE), dlg.m_arrFail70.GetAt(0));
  EXPECT_EQ(shown(IDC_DOA), dlg.m_arrDOA70.GetAt(0));
}

TEST_F(SettingsTest, FirstCloseWritesTheDefaultsItStartedWith) {
  PriceDlgProbe dlg;
  EXPECT_EQ(runModal(dlg, [&dlg] { dlg.GetSafeHwnd()->close(); }), IDCANCEL);
  EXPECT_EQ(storedValue("window x"), 200);
  EXPECT_EQ(storedValue("window y"), 200);
  EXPECT_EQ(storedValue("top"), 0);
  EXPECT_EQ(storedValue("level"), ID_SKILL_100);
}

TEST_F(SettingsTest, CloseWritesWhereTheWindowIsAndWhatItHolds) {
  writeStore("[Settings]\nwindow%20x=300\nwindow%20y=150\ntop=5\nlevel=32775\n");
  PriceDlgProbe dlg;
  EXPECT_EQ(moveAndClose(dlg, {321, 123}), IDCANCEL);
  EXPECT_EQ(storedValue("window x"), 321);
  EXPECT_EQ(storedValue("window y"), 123);
  EXPECT_EQ(storedValue("top"), 1) << "any non-zero top comes back as 1";
  EXPECT_EQ(storedValue("level"), ID_SKILL_70);
}

TEST_F(SettingsTest, CloseWritesTheStateChangedDuringTheRun) {
  writeStore("[Settings]\ntop=1\nlevel=32775\n");
  PriceDlgProbe dlg;
  runModal(dlg, [&dlg] {
    dlg.ToggleTopMost();
    dlg.m_nLevel = ID_SKILL_100;
    dlg.GetSafeHwnd()->close();
  });
  EXPECT_EQ(storedValue("top"), 0);
  EXPECT_EQ(storedValue("level"), ID_SKILL_100);
}

TEST_F(SettingsTest, EnterLeavesTheStoreAsItWas) {
  writeStore("[Settings]\nwindow%20x=300\nwindow%20y=150\ntop=0\nlevel=32772\n");
  const std::optional<QByteArray> before = storeBytes();
  PriceDlgProbe dlg;
  const int ended = runModal(dlg, [&dlg] {
    dlg.GetSafeHwnd()->move(400, 420);
    dlg.ToggleTopMost();
    QTest::keyClick(dlg.controlWidget(IDC_RATE), Qt::Key_Return);
  });
  EXPECT_EQ(ended, IDOK);
  EXPECT_EQ(storeBytes(), before);
}

TEST_F(SettingsTest, ADamagedStoreIsReadableAgainAfterTheNextClose) {
  writeStore("\xff\xfe\x01[Sett\x02ings\n==\n=\x80\x81\n[\n\ttop\nlevel=");
  PriceDlgProbe dlg;
  EXPECT_EQ(moveAndClose(dlg, {250, 260}), IDCANCEL);
  EXPECT_EQ(storedValue("window x"), 250);
  EXPECT_EQ(storedValue("window y"), 260);
  EXPECT_EQ(storedValue("top"), 0);
  EXPECT_EQ(storedValue("level"), ID_SKILL_100);
  EXPECT_TRUE(m_boxes.empty());
}

// A store rewritten in place could be left cut short by a crash; a replaced one is old or new, never half.
TEST_F(SettingsTest, CloseReplacesTheStoreInsteadOfRewritingIt) {
  writeStore("[Settings]\nwindow%20x=300\nwindow%20y=150\ntop=0\nlevel=32772\n");
  const QByteArray before = *storeBytes();
  const QString oldFile = storePath() + QStringLiteral(".old");
  QFile::remove(oldFile);
  ASSERT_EQ(::link(storePath().toUtf8().constData(), oldFile.toUtf8().constData()), 0);  // a hard link
  PriceDlgProbe dlg;
  moveAndClose(dlg, {321, 123});
  EXPECT_EQ(storeBytes(oldFile), before) << "the bytes of the old file were written over";
  EXPECT_EQ(storedValue("window x"), 321);
  QFile::remove(oldFile);
}

TEST_F(SettingsTest, AStoreThatCannotBeCreatedGivesTheDefaultsAndIsNotReported) {
  // A regular file where the configuration directory should begin: nothing can be made below it, not even
  // by root.
  QTemporaryDir scratch;
  const QString blocker = scratch.filePath(QStringLiteral("blocker"));
  QFile file(blocker);
  ASSERT_TRUE(file.open(QFile::WriteOnly));
  file.write("not a directory");
  file.close();
  const ScopedEnvironment config({"XDG_CONFIG_HOME"}, (blocker + QStringLiteral("/config")).toStdString());

  PriceDlgProbe dlg;
  const int ended = runModal(dlg, [&dlg] {
    EXPECT_EQ(topLeft(dlg), kDefaultPosition);
    EXPECT_FALSE(dlg.m_bTopMost);
    EXPECT_EQ(dlg.m_nLevel, ID_SKILL_100);
    dlg.GetSafeHwnd()->close();
  });
  EXPECT_EQ(ended, IDCANCEL);
  EXPECT_TRUE(m_boxes.empty());
  EXPECT_EQ(storeBytes(blocker), QByteArray("not a directory"));
}

TEST_F(SettingsTest, ADirectoryThatCannotBeWrittenKeepsTheOldStore) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into any directory";
  writeStore("[Settings]\nwindow%20x=300\nwindow%20y=150\ntop=1\nlevel=32775\n");
  const QByteArray before = *storeBytes();
  const QDir directory = QFileInfo(storePath()).absoluteDir();
  const QStringList entries = directory.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  const QFile::Permissions permissions = QFile::permissions(directory.path());
  ASSERT_TRUE(QFile::setPermissions(directory.path(), QFile::ReadOwner | QFile::ExeOwner));

  PriceDlgProbe dlg;
  const int ended = runModal(dlg, [&dlg] {
    EXPECT_EQ(topLeft(dlg), (CPoint{300, 150}));
    EXPECT_TRUE(dlg.m_bTopMost);
    dlg.GetSafeHwnd()->move(321, 123);
    dlg.GetSafeHwnd()->close();
  });
  QFile::setPermissions(directory.path(), permissions);
  EXPECT_EQ(ended, IDCANCEL);
  EXPECT_TRUE(m_boxes.empty());
  EXPECT_EQ(storeBytes(), before);
  EXPECT_EQ(directory.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entries)
      << "nothing was left behind";

  // The failed writes are gone, not waiting: they neither show in reads nor ride along with a later write.
  EXPECT_EQ(AfxGetApp()->GetProfileInt("Settings", "window x", 0), 300);
  ASSERT_TRUE(AfxGetApp()->WriteProfileInt("Settings", "level", ID_SKILL_100));
  EXPECT_EQ(storedValue("window x"), 300);
  EXPECT_EQ(storedValue("top"), 1);
}

enum class Toggle { Operation, HiddenCheckBox, KeepOnTopCommand };

class KeepOnTopTest : public SettingsTest, public ::testing::WithParamInterface<Toggle> {
protected:
  void toggle(PriceDlgProbe& dlg) const {
    switch (GetParam()) {
      case Toggle::Operation: dlg.ToggleTopMost(); break;
      case Toggle::HiddenCheckBox: qobject_cast<QAbstractButton*>(dlg.controlWidget(IDC_TOP))->click(); break;
      case Toggle::KeepOnTopCommand: dlg.OnKeepOnTop(); break;
    }
  }
};

std::string toggleName(const ::testing::TestParamInfo<Toggle>& info) {
  constexpr const char* kNames[] = {"Operation", "HiddenCheckBox", "KeepOnTopCommand"};
  return kNames[static_cast<int>(info.param)];
}

TEST_P(KeepOnTopTest, TogglingTwiceComesBackWithoutMovingTheWindow) {
  for (const bool storedOnTop : {false, true}) {
    SCOPED_TRACE(storedOnTop ? "stored on top" : "stored not on top");
    writeStore(storedOnTop ? "[Settings]\ntop=1\n" : "[Settings]\ntop=0\n");
    PriceDlgProbe dlg;
    ASSERT_TRUE(dlg.Create());
    QWidget* window = dlg.GetSafeHwnd();
    const QRect geometry = window->frameGeometry();
    const bool checkBoxState = qobject_cast<QAbstractButton*>(dlg.controlWidget(IDC_TOP))->isChecked();

    toggle(dlg);
    EXPECT_EQ(dlg.m_bTopMost, !storedOnTop);
    EXPECT_EQ(staysOnTop(window), !storedOnTop);
    EXPECT_EQ(window->frameGeometry(), geometry);
    EXPECT_TRUE(window->isVisible());

    toggle(dlg);
    EXPECT_EQ(dlg.m_bTopMost, storedOnTop);
    EXPECT_EQ(staysOnTop(window), storedOnTop);
    EXPECT_EQ(window->frameGeometry(), geometry);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(dlg.controlWidget(IDC_TOP)->isVisible());
    if (GetParam() != Toggle::HiddenCheckBox) {
      EXPECT_EQ(qobject_cast<QAbstractButton*>(dlg.controlWidget(IDC_TOP))->isChecked(), checkBoxState);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Paths, KeepOnTopTest,
                         ::testing::Values(Toggle::Operation, Toggle::HiddenCheckBox, Toggle::KeepOnTopCommand),
                         toggleName);
}  // namespace
