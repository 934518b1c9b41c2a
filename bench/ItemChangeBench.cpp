// One item change in the main window, from the list's new selection to the price shown.
#include "tests/support/Support.h"

#include <benchmark/benchmark.h>

namespace {
void BM_ItemChange(benchmark::State& state) {
  withWindow([&state](PriceDlgProbe& dlg) {
    dlg.m_nRate = 12;
    int row = 0;
    // Items and suits alike.
    for (auto _ : state) {
      row = (row + 1) % dlg.items()->count();
      dlg.items()->setCurrentIndex(row);
      benchmark::DoNotOptimize(dlg.shown(IDC_PRICE));
    }
    if (dlg.shown(IDC_PRICE).isEmpty())
      state.SkipWithError("no price was shown");
  });
}
}  // namespace

BENCHMARK(BM_ItemChange)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  startHeadless(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
