// Time from process start to the first paint of the program's window against a bare Qt dialog, the two started by
// turns in one run, and the peak memory of each, under the C and the English (United States) system locales. Run it on
// a desktop or under a virtual X server (`xvfb-run -a build/bench/startup_bench`); without a display it uses Qt's
// offscreen platform. The goals: the first paint at most 1.25 times the bare dialog's, the peak memory at most 1.5 MiB
// above it under the C locale and 3.5 MiB under en_US.
#include <benchmark/benchmark.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace {
struct SystemLocale {
  const char* name;
  const char* configuration;
  double extraMiBGoal;
};
const SystemLocale kSystemLocales[] = {{"C", "LANG=C\n", 1.5}, {"en_US", "LANG=en_US.UTF-8\n", 3.5}};
constexpr double kRatioGoal = 1.25;

QString localeFile;  // what the children read as the system-wide locale configuration
QProcessEnvironment environment;
std::vector<std::string> verdicts;

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QFile::WriteOnly | QFile::Truncate) && file.write(bytes) == bytes.size();
}

// Gives this process and its children a directory of ours in place of /etc/default (and its locale file in place of
// /etc/locale.conf, which would be read first), in a mount namespace of their own: the machine stays as it is. Called
// before any thread starts, as a new user namespace requires.
bool ownSystemLocale(const QString& directory) {
  const uid_t uid = geteuid();
  const gid_t gid = getegid();
  if (unshare(CLONE_NEWNS) != 0) {
    // Without the right to mount, a user namespace grants it; inside, the user stays who it is.
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !writeFile("/proc/self/setgroups", "deny") ||
        !writeFile("/proc/self/uid_map", QByteArray::number(uid) + ' ' + QByteArray::number(uid) + " 1") ||
        !writeFile("/proc/self/gid_map", QByteArray::number(gid) + ' ' + QByteArray::number(gid) + " 1"))
      return false;
  }
  localeFile = directory + QStringLiteral("/locale");
  return mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 && writeFile(localeFile, "") &&
         mount(directory.toLocal8Bit().constData(), "/etc/default", nullptr, MS_BIND, nullptr) == 0 &&
         (!QFile::exists(QStringLiteral("/etc/locale.conf")) ||
          mount(localeFile.toLocal8Bit().constData(), "/etc/locale.conf", nullptr, MS_BIND, nullptr) == 0);
}

struct Start {
  double seconds;
  long peakKiB;
};

// One start of program, up to its first paint, which the preloaded shim reports.
std::optional<Start> firstPaint(const char* program) {
  QProcess process;
  process.setProcessEnvironment(environment);
  QElapsedTimer clock;
  clock.start();
  process.start(QString::fromUtf8(program), {});
  if (!process.waitForReadyRead(30000))
    return {};
  const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
  const QList<QByteArray> words = process.readLine().trimmed().split(' ');
  process.waitForFinished();
  return Start{seconds, words.value(1).toLong()};
}

template <typename T>
double median(std::vector<T> values) {
  std::ranges::nth_element(values, values.begin() + values.size() / 2);
  return static_cast<double>(values[values.size() / 2]);
}

// Each round starts both, the program first in every other one, so that a machine that speeds up or slows down during
// the run weighs on both alike. The time reported is the program's; the counters compare medians.
void BM_FirstPaint(benchmark::State& state, const SystemLocale& locale) {
  if (!localeFile.isEmpty() && !writeFile(localeFile, locale.configuration)) {
    state.SkipWithError("cannot write the system locale");
    return;
  }
  std::vector<double> ours, bare;
  std::vector<long> oursKiB, bareKiB;
  bool programFirst = true;
  for (auto _ : state) {
    for (const bool program : {programFirst, !programFirst}) {
      const std::optional<Start> start = firstPaint(program ? QUENCHMARK : BARE_DIALOG);
      if (!start) {
        state.SkipWithError("a start never painted");
        return;
      }
      (program ? ours : bare).push_back(start->seconds);
      (program ? oursKiB : bareKiB).push_back(start->peakKiB);
    }
    state.SetIterationTime(ours.back());
    programFirst = !programFirst;
  }
  const double ratio = median(ours) / median(bare);
  const double extraMiB = (median(oursKiB) - median(bareKiB)) / 1024;
  state.counters["bare_ms"] = median(bare) * 1e3;
  state.counters["ratio"] = ratio;
  state.counters["peak_MiB"] = median(oursKiB) / 1024;
  state.counters["extra_MiB"] = extraMiB;
  char verdict[200];
  std::snprintf(verdict, sizeof verdict,
                "%s: first paint %.2f x the bare dialog's (goal %.2f), peak memory %+.2f MiB (goal +%.1f)%s",
                locale.name, ratio, kRatioGoal, extraMiB, locale.extraMiBGoal,
                ratio <= kRatioGoal && extraMiB <= locale.extraMiBGoal ? "" : ": missed");
  verdicts.emplace_back(verdict);
}
}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir etcDefault;
  const bool ownLocale = ownSystemLocale(etcDefault.path());
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  QTemporaryDir home;
  environment = QProcessEnvironment::systemEnvironment();
  if (!environment.contains(QStringLiteral("DISPLAY")) && !environment.contains(QStringLiteral("WAYLAND_DISPLAY")) &&
      !environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  for (const char* variable : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
    environment.insert(QString::fromLatin1(variable), home.path());
  environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FIRST_PAINT_SHIM));
  // A session bus of our own, as every desktop has one: the user's own may hold a running copy.
  QProcess bus;
  bus.start(QStringLiteral("dbus-daemon"),
            {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
  environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
  if (bus.waitForReadyRead(10000))
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromUtf8(bus.readLine().trimmed()));
  else
    std::printf("no dbus-daemon: the starts run without a session bus\n");
  const SystemLocale machine{"machine", "", 3.5};
  if (!ownLocale)
    std::printf("no private mount: the machine's own system locale only\n");
  for (const SystemLocale& locale : ownLocale ? std::span(kSystemLocales) : std::span(&machine, 1))
    benchmark::RegisterBenchmark((std::string("BM_FirstPaint/") + locale.name).c_str(), BM_FirstPaint, locale)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(30);
  benchmark::RunSpecifiedBenchmarks();
  std::printf("\n");
  for (const std::string& verdict : verdicts)
    std::printf("%s\n", verdict.c_str());
  bus.kill();
  bus.waitForFinished();
  benchmark::Shutdown();
  return 0;
}
