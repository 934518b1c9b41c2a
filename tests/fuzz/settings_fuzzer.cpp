// Fuzz target: any bytes as the hand-editable settings file open a window on a screen with a valid level and agreeing
// keep-on-top, showing level 100, and closing it stores four integers that read back as the window had them.
#include "tests/fuzz/Fuzzing.h"

#include <QScreen>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static qint64 inputs = 0;
  QFile store(storePath());
  if (!store.open(QFile::WriteOnly | QFile::Truncate))
    finding("the store cannot be written");
  store.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  // A time of its own for every input: Qt would take a file of the same size and time for the one it has read.
  store.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++inputs), QFileDevice::FileModificationTime);
  store.close();
  int x = 0, y = 0, level = 0, topMost = 0;
  withWindow([&](PriceDlgProbe& dlg) {
    const QRect frame = dlg.window()->frameGeometry();
    if (std::ranges::none_of(QGuiApplication::screens(), [&](QScreen* s) { return s->geometry().intersects(frame); }))
      finding("on no screen");
    if (dlg.m_nLevel < ID_SKILL_100 || dlg.m_nLevel > ID_SKILL_50)
      finding("a level none of the six");
    if (dlg.m_bTopMost != dlg.window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
      finding("keep-on-top");
    if (dlg.shown(IDC_EXEC_RATE) != QStringLiteral("72"))
      finding("start-up shows another level than 100");
    std::tie(x, y, level, topMost) = std::tuple(frame.left(), frame.top(), dlg.m_nLevel, dlg.m_bTopMost ? 1 : 0);
    dlg.OnClose();
  });
  const std::pair<const char*, int> expected[] = {{"window x", x}, {"window y", y}, {"top", topMost}, {"level", level}};
  for (const auto& [key, value] : expected)
    if (AfxGetApp()->GetProfileInt("Settings", key, -1) != value)
      finding(std::string(key) + " reads back otherwise");
  return 0;
}
