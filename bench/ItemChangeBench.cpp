// One item change in the main window, from the list's new selection to the price shown.
#include "tests/support/HeadlessApp.h"
#include "tests/support/PriceDlgProbe.h"

#include <QComboBox>
#include <QLabel>
#include <benchmark/benchmark.h>

namespace {
void BM_ItemChange(benchmark::State& state) {
  PriceDlgProbe dlg;
  if (!dlg.Create()) {
    state.SkipWithError("the main window did not open");
    return;
  }
  QComboBox* list = dlg.control<QComboBox>(IDC_ITEM);
  const QLabel* price = dlg.control<QLabel>(IDC_PRICE);
  dlg.m_nRate = 12;
  int row = 0;
  for (auto _ : state) {
    row = (row + 1) % list->count();  // items and suits alike
    list->setCurrentIndex(row);
    benchmark::DoNotOptimize(price->text());
  }
  if (price->text().isEmpty()) state.SkipWithError("no price was shown");
}
}  // namespace

BENCHMARK(BM_ItemChange)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const HeadlessApp app(argc, argv);
  if (!app.isValid()) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
