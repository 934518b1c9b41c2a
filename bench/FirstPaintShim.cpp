// Preloaded into a program (LD_PRELOAD) by the startup benchmark: at the first paint of a window it writes the peak
// memory so far to standard output and ends the process, so that the real executable is timed up to what the user
// first sees, with nothing of the benchmark linked into it.
#include <sys/resource.h>
#include <QCoreApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {
class FirstPaint final : public QObject {
protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
      rusage usage{};
      getrusage(RUSAGE_SELF, &usage);
      std::printf("painted %ld\n", usage.ru_maxrss);
      std::fflush(stdout);
      std::_Exit(0);
    }
    return false;
  }
};

void watchForFirstPaint() {
  QCoreApplication::instance()->installEventFilter(new FirstPaint);
}
}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstPaint)
