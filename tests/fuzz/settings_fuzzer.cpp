// Fuzz target: arbitrary bytes as the stored settings file, which a user can edit by hand. Whatever it holds, the
// window opens on a screen without a message, with a level among the six, keep-on-top and the window's flag
// agreeing and the figures of level 100; closing it stores four integers that read back as the window had them.
#include "tests/fuzz/Fuzzing.h"

#include <QDateTime>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  startFuzzing(argc, argv, "settings_fuzzer");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
                              QCoreApplication::applicationName() + QStringLiteral(".ini");
  static qint64 inputs = 0;
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile store(path);
  if (!store.open(QFile::WriteOnly | QFile::Truncate)) finding("settings_fuzzer", "the store cannot be written");
  store.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  // A time of its own for every input: Qt keeps a file it has read, and would take one of the same size written
  // in the same moment for it.
  store.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++inputs), QFileDevice::FileModificationTime);
  store.close();
  CRect closed{};
  int level = 0;
  bool topMost = false;
  withWindow([&](PriceDlgProbe& dlg) {
    const QRect frame = dlg.window()->frameGeometry();
    const bool shown = std::ranges::any_of(QGuiApplication::screens(), [&](QScreen* s) { return s->geometry().intersects(frame); });
    if (!shown) finding("settings_fuzzer", "the window is on no screen");
    if (dlg.m_nLevel < ID_SKILL_100 || dlg.m_nLevel > ID_SKILL_50) finding("settings_fuzzer", "a level none of the six");
    if (dlg.m_bTopMost != dlg.window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) finding("settings_fuzzer", "keep-on-top");
    if (dlg.shown(IDC_EXEC_RATE) != QStringLiteral("72")) finding("settings_fuzzer", "start-up shows another level than 100");
    closed = dlg.GetWindowRect();
    level = dlg.m_nLevel;
    topMost = dlg.m_bTopMost;
    dlg.OnClose();
  });
  const std::pair<const char*, int> expected[] = {{"window x", closed.left}, {"window y", closed.top}, {"top", topMost}, {"level", level}};
  for (const auto& [key, value] : expected)
    if (AfxGetApp()->GetProfileInt("Settings", key, -1) != value) finding("settings_fuzzer", std::string(key) + " reads back otherwise");
  return 0;
}
