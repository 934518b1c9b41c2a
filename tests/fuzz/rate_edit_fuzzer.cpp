// Fuzz target: arbitrary bytes as text put into the Rate edit of a main window. Whatever the edit holds, the
// Rate read from it is its leading decimal number (saturated, then held within 0..9999) and, once the
// recalculation has run, the edit shows exactly that number; a press of either arrow keeps it so.
#include "tests/fuzz/HeadlessFuzzing.h"
#include "tests/support/PriceDlgProbe.h"
#include "ui/DDX_TextClamped.h"

#include <QLineEdit>
#include <QToolButton>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
constexpr int kRateMax = 9999;

[[noreturn]] void fail(const char* what, const QString& text, long long value) {
  std::fprintf(stderr, "rate_edit_fuzzer: %s (text \"%s\", value %lld)\n", what, text.toUtf8().constData(), value);
  std::abort();
}

// The decimal number that `text` starts with, the plain way: strtoll, which saturates at its own wider range.
long long leadingNumber(const char* text) { return std::strtoll(text, nullptr, 10); }

PriceDlgProbe& window() {
  static PriceDlgProbe& dlg = *[] {
    auto* created = new PriceDlgProbe;
    if (!created->Create()) fail("the window did not open", QString(), 0);
    return created;
  }();
  return dlg;
}

QToolButton* arrow(Qt::ArrowType type) {
  for (auto* button : window().controlWidget(IDC_SPIN1)->findChildren<QToolButton*>())
    if (button->arrowType() == type) return button;
  fail("an arrow is missing", QString(), type);
}

void expectShown(const char* when, int rate) {
  const QString shown = window().control<QLineEdit>(IDC_RATE)->text();
  if (window().m_nRate != rate) fail(when, shown, window().m_nRate);
  if (shown != QString::number(rate)) fail("the edit does not show the Rate", shown, rate);
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  startHeadlessFuzzing(argc, argv, "rate_edit_fuzzer");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  // The reading itself, on the bytes as they are (up to a NUL, as C text ends).
  const long long number = leadingNumber(bytes.c_str());
  const int saturated = static_cast<int>(std::clamp<long long>(number, INT_MIN, INT_MAX));
  if (saturatingAtoi(bytes.c_str()) != saturated) fail("saturatingAtoi differs from strtoll", QString(), number);

  // The same through the window: the edit holds what a line edit makes of the text (valid UTF-16, cut at
  // its maximum length), and the Rate is read from that.
  const QString typed = QString::fromUtf8(bytes);
  QLineEdit held;
  held.setText(typed);
  const int expected = static_cast<int>(std::clamp<long long>(leadingNumber(held.text().toUtf8().constData()), 0, kRateMax));
  window().control<QLineEdit>(IDC_RATE)->setText(typed);
  expectShown("the Rate read differs from the typed number", expected);

  // One press of an arrow, chosen by the input's first byte: up raises the Rate, down lowers it, within bounds.
  if (size > 0 && data[0] % 2 == 0) {
    arrow(Qt::UpArrow)->click();
    expectShown("the up arrow did not raise the Rate by one", std::min(expected + 1, kRateMax));
  } else if (size > 0) {
    arrow(Qt::DownArrow)->click();
    expectShown("the down arrow did not lower the Rate by one", std::max(expected - 1, 0));
  }
  return 0;
}
