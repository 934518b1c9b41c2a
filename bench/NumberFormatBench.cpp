// Cost of writing one price with FormatAmount once the system locale's record is cached.
#include "framework/Locale.h"
#include "pricing/FormatAmount.h"

#include <benchmark/benchmark.h>
#include <QTemporaryDir>

#include <fstream>

namespace {
struct TypicalAmount {
  const char* label;
  double amount;
};

const TypicalAmount typicalAmounts[] = {
    {"a typical price", 12 * 196.2875},
    {"the highest rate", 9999 * 196.2875},
    {"a whole number", 12},
    {"below 1, no formatter call", 0.75},
};

void BM_FormatAmount(benchmark::State& state) {
  const TypicalAmount& typical = typicalAmounts[state.range(0)];
  const QTemporaryDir dir;
  const std::string localeConf = dir.filePath(QStringLiteral("locale.conf")).toStdString();
  std::ofstream(localeConf) << "LANG=en_US.UTF-8\n";
  const std::vector<std::string> previous = setSystemLocaleConfigFiles({localeConf});
  // The record is read at the first call of the process and kept.
  if (FormatNumberText("1") != "1.00")
    state.SkipWithError("the English (United States) record did not load");
  for (auto _ : state) {
    CString text = FormatAmount(typical.amount);
    benchmark::DoNotOptimize(text);
  }
  state.SetLabel(typical.label);
  setSystemLocaleConfigFiles(previous);
}
}  // namespace

BENCHMARK(BM_FormatAmount)->DenseRange(0, std::size(typicalAmounts) - 1);
