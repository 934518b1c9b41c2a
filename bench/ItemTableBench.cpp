// Loading the item table: the carried one, and one whose every row has a TAB too few, which without the
// loader's TAB count would cost a backtracking search of the row pattern for each of its fields.
#include "catalogue/ItemTableLoader.h"
#include "tests/support/Support.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {
// 58 rows of 37 fields of 100 characters each: 36 TABs, one short of a row.
std::string malformedTable() {
  std::string table;
  for (int row = 0; row < 58; ++row) {
    for (int field = 0; field < 37; ++field)
      table += (field ? "\t" : "") + std::string(100, static_cast<char>('a' + field % 26));
    table += "\r\n";
  }
  return table;
}

void loadRepeatedly(benchmark::State& state) {
  int rows = 0;
  for (auto _ : state) {
    ItemCatalogue catalogue;
    loadItemTable(catalogue);
    rows = catalogue.m_arrItem.GetSize();
    benchmark::DoNotOptimize(rows);
  }
  state.counters["rows"] = rows;
}

void BM_LoadCarriedTable(benchmark::State& state) {
  loadRepeatedly(state);
}

void BM_LoadMalformedTable(benchmark::State& state) {
  const TableModule module(malformedTable());
  loadRepeatedly(state);
}
}  // namespace

BENCHMARK(BM_LoadCarriedTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadMalformedTable)->Unit(benchmark::kMicrosecond);
