// Starts the real program's start-up path, or a bare Qt dialog with a 58-entry list, and reports the moment
// of the first paint of its window with the peak memory so far; then leaves at once.
#include "app/CPriceApp.h"

#include <sys/resource.h>
#include <QComboBox>
#include <QDialog>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

void runBareDialog() {
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Bare"));
  auto* list = new QComboBox(&dialog);
  for (int i = 0; i < 58; ++i)
    list->addItem(QStringLiteral("Item %1").arg(i));
  dialog.exec();
}
}  // namespace

int main(int argc, char** argv) {
  const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
  const auto application = AfxCreateApplication(argc, argv);
  FirstPaint watcher;
  application->installEventFilter(&watcher);
  if (bare) {
    runBareDialog();
  } else {
    CPriceApp priceApp;
    priceApp.InitInstance();
  }
  return 1;  // reaching here means no window was ever painted
}
