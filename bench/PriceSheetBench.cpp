// The whole price sheet of every level: pricing every row, and writing it as text and as CSV.
#include "catalogue/ItemTableLoader.h"
#include "sheet/PriceSheet.h"
#include "sheet/SheetCommand.h"
#include "sheet/SheetOutput.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {
std::vector<const SkillLevel*> allLevels() {
  std::vector<const SkillLevel*> levels;
  for (const SkillLevel& level : kSkillLevels)
    levels.push_back(&level);
  return levels;
}

void BM_PriceEveryLevel(benchmark::State& state) {
  ItemCatalogue catalogue;
  loadItemTable(catalogue);
  for (auto _ : state)
    benchmark::DoNotOptimize(makePriceSheet(catalogue, 12, allLevels()));
}

// The command as a user runs it, the table's reading included, without the process start.
void BM_WholeCommand(benchmark::State& state, QStringList arguments) {
  for (auto _ : state) {
    std::ostringstream out, err;
    if (runSheet(arguments, out, err) != kSheetPrinted)
      state.SkipWithError("the sheet was not printed");
    benchmark::DoNotOptimize(out.str());
  }
}
}  // namespace

BENCHMARK(BM_PriceEveryLevel)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WholeCommand, all_levels_text, QStringList{"--level", "all"})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WholeCommand, all_levels_csv_by_price, QStringList{"--level", "all", "--csv", "--sort", "price"})
    ->Unit(benchmark::kMicrosecond);
