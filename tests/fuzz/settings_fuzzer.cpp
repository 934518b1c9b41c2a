// Fuzz target: arbitrary bytes as the stored settings file when a main window starts. Whatever the file
// holds, the window opens without a message, at least in part on a screen, with a skill level among the six,
// its keep-on-top state and the window's flag agreeing and the start-up figures those of level 100; closing
// it stores four integers that read back as the window had them.
#include "framework/CWinApp.h"
#include "tests/fuzz/HeadlessFuzzing.h"
#include "tests/support/PriceDlgProbe.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStandardPaths>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
constexpr int kFigures[] = {IDC_INGOTS, IDC_EXEC_RATE, IDC_NORM_RATE, IDC_BA_RATE,
                            IDC_FAIL_RATE, IDC_DOA, IDC_IGTS_REQ2, IDC_PRICE};
using Figures = std::array<QString, std::size(kFigures)>;

[[noreturn]] void fail(const char* what, long long value) {
  std::fprintf(stderr, "settings_fuzzer: %s (%lld)\n", what, value);
  std::abort();
}

QString storePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
         QCoreApplication::applicationName() + QStringLiteral(".ini");
}

void writeStore(const std::uint8_t* data, std::size_t size) {
  static qint64 written = 0;
  QDir().mkpath(QFileInfo(storePath()).absolutePath());
  QFile file(storePath());
  if (!file.open(QFile::WriteOnly | QFile::Truncate)) fail("the store cannot be written", 0);
  file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  // A modification time of its own for every input: Qt keeps a settings file it has read, and would take
  // a new one of the same size written within the same moment for the old.
  file.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++written), QFileDevice::FileModificationTime);
}

Figures figuresOf(const PriceDlgProbe& dlg) {
  Figures figures;
  for (std::size_t i = 0; i < std::size(kFigures); ++i) figures[i] = dlg.control<QLabel>(kFigures[i])->text();
  return figures;
}

bool onSomeScreen(const QRect& frame) {
  for (const QScreen* screen : QGuiApplication::screens())
    if (screen->geometry().intersects(frame)) return true;
  return false;
}

int stored(const char* key) { return AfxGetApp()->GetProfileInt("Settings", key, -1); }

// What a start without any store shows.
const Figures& defaultFigures() {
  static const Figures figures = [] {
    QFile::remove(storePath());
    PriceDlgProbe dlg;
    if (!dlg.Create()) fail("the window did not open without a store", 0);
    return figuresOf(dlg);
  }();
  return figures;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  startHeadlessFuzzing(argc, argv, "settings_fuzzer");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Figures& expectedFigures = defaultFigures();
  writeStore(data, size);

  const auto dlg = std::make_unique<PriceDlgProbe>();
  if (!dlg->Create()) fail("the window did not open", 0);
  if (dlg->m_nLevel < ID_SKILL_100 || dlg->m_nLevel > ID_SKILL_50) fail("the skill level is none of the six", dlg->m_nLevel);
  const QWidget* window = dlg->GetSafeHwnd();
  if (!onSomeScreen(window->frameGeometry())) fail("the window is on no screen", window->frameGeometry().x());
  if (dlg->m_bTopMost != window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
    fail("keep-on-top and the window's flag disagree", dlg->m_bTopMost);
  if (figuresOf(*dlg) != expectedFigures) fail("the start-up figures are not those of level 100", dlg->m_nLevel);

  const CRect rect = dlg->GetWindowRect();
  dlg->OnClose();
  if (stored("window x") != rect.left) fail("window x is not stored as it was", stored("window x"));
  if (stored("window y") != rect.top) fail("window y is not stored as it was", stored("window y"));
  if (stored("top") != (dlg->m_bTopMost ? 1 : 0)) fail("top is not stored as it was", stored("top"));
  if (stored("level") != dlg->m_nLevel) fail("the level is not stored as it was", stored("level"));
  return 0;
}
