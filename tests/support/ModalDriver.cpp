// Timers that reach into modal loops, with a watchdog so that a failing test ends instead of hanging.
#include "tests/support/ModalDriver.h"

#include "framework/CDialog.h"

#include <QApplication>
#include <QTimer>

namespace {
constexpr int kWatchdogMs = 10000;
constexpr int kPollMs = 5;
}  // namespace

int runModal(CDialog& dialog, std::function<void()> body) {
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&dialog] { dialog.EndDialog(kTimedOut); });
  watchdog.start(kWatchdogMs);
  QTimer::singleShot(0, [body = std::move(body)] { body(); });
  return dialog.DoModal();
}

void onNextModal(std::function<void(QWidget* window)> action) {
  QWidget* before = QApplication::activeModalWidget();
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, before, action = std::move(action)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == before || !modal->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    action(modal);
  });
  poll->start(kPollMs);
}
