// Time from process start to the first paint of the main window, beside a bare Qt dialog, and peak memory.
#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <map>
#include <string>

namespace {
std::map<std::string, double> medianSeconds;

void startToFirstPaint(benchmark::State& state, const char* mode) {
  QTemporaryDir scratch;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), scratch.path());
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), scratch.path());
  long peakKiB = 0;
  for (auto _ : state) {
    QProcess probe;
    probe.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    probe.start(QStringLiteral(STARTUP_PROBE), {QString::fromLatin1(mode)});
    if (!probe.waitForReadyRead(30000)) {
      state.SkipWithError("the probe never painted");
      break;
    }
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    const QByteArray line = probe.readLine().trimmed();
    peakKiB = line.mid(line.indexOf(' ') + 1).toLong();
    probe.waitForFinished();
  }
  state.counters["peak_rss_KiB"] = static_cast<double>(peakKiB);
}

void BM_StartToFirstPaint_Quenchmark(benchmark::State& state) {
  startToFirstPaint(state, "quenchmark");
}
void BM_StartToFirstPaint_BareDialog(benchmark::State& state) {
  startToFirstPaint(state, "bare");
}

BENCHMARK(BM_StartToFirstPaint_Quenchmark)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(3);
BENCHMARK(BM_StartToFirstPaint_BareDialog)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(3);

// Keeps the median of each benchmark so that the ratio can be reported after the run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.aggregate_name == "median")
        medianSeconds[run.run_name.function_name] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
};
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double ours = medianSeconds["BM_StartToFirstPaint_Quenchmark"];
  const double bare = medianSeconds["BM_StartToFirstPaint_BareDialog"];
  if (bare > 0)
    std::printf("\nstart-to-first-paint ratio, Quenchmark / bare dialog: %.2f\n", ours / bare);
  benchmark::Shutdown();
  return 0;
}
