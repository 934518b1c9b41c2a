// Fuzz target: bytes typed as the Rate are read as their leading number held in 0..9999, and an arrow steps it by one.
#include "tests/fuzz/Fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  withWindow([&](PriceDlgProbe& dlg) {
    dlg.rate()->setText(typed);
    // What a line edit makes of the text (valid UTF-16, cut at its length), read the plain way.
    const int rate = static_cast<int>(
        std::clamp<long long>(std::strtoll(QLineEdit(typed).text().toUtf8().constData(), nullptr, 10), 0, 9999));
    const auto expect = [&dlg](int value, const char* what) {
      if (dlg.m_nRate != value || dlg.rate()->text() != QString::number(value))
        finding(what);
    };
    expect(rate, "the Rate read is not the typed number held in range");
    const bool up = size > 0 && data[0] % 2 == 0;
    QTest::keyClick(dlg.rate(), up ? Qt::Key_Up : Qt::Key_Down);
    expect(std::clamp(rate + (up ? 1 : -1), 0, 9999), "an arrow did not step the Rate by one");
  });
  return 0;
}
