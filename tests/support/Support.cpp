// The shared test set-up: headless Qt with settings and runtime files in private directories, never the user's own.
#include "tests/support/Support.h"

#include "app/CPriceApp.h"

#include <sys/prctl.h>

#include <QDBusConnectionInterface>
#include <clocale>
#include <csignal>
#include <cstring>

std::ostream& operator<<(std::ostream& out, const QString& text) {
  return out << '"' << text.toStdString() << '"';
}

void PrintTo(const QString& text, std::ostream* out) {
  *out << text;
}

void PrintTo(const QPoint& point, std::ostream* out) {
  *out << '(' << point.x() << ", " << point.y() << ')';
}

void PrintTo(const QSize& size, std::ostream* out) {
  *out << size.width() << " x " << size.height();
}

CollectedMessages::CollectedMessages()
    : previous(AfxSetMessageBoxHandler([this](const CString& text) {
        texts.push_back(text);
        return IDOK;
      })) {}

std::string tableRow(const std::string& name, const std::string& ingots) {
  std::string line = name + "\t" + ingots;
  for (int column = 2; column < 38; ++column)
    line += column == 7 ? "\t50" : "\t0";
  return line + "\r\n";
}

int withWindow(const std::function<void(PriceDlgProbe& dlg)>& body) {
  PriceDlgProbe dlg;
  AfxGetApp()->m_pMainWnd = &dlg;
  const QObject watch;
  QTimer::singleShot(20000, &watch, [] {
    ADD_FAILURE() << "a modal loop was left running";
    for (QWidget* open : {QApplication::activePopupWidget(), QApplication::activeModalWidget()})
      if (open)
        open->close();
  });
  QTimer::singleShot(0, [&] {
    body(dlg);
    if (dlg.GetSafeHwnd()->isVisible())
      dlg.EndDialog(kEndedByTest);
  });
  return dlg.DoModal();
}

void onNextPopup(const std::function<void(QWidget* popup)>& action) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, before = QApplication::activeModalWidget(), action] {
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup && QApplication::activeModalWidget() != before)
      popup = QApplication::activeModalWidget();
    if (!popup || !popup->isVisible())
      return;
    poll->deleteLater();
    poll->stop();
    action(popup);
  });
  poll->start(5);
}

void startHeadless(int& argc, char** argv) {
  static const QTemporaryDir own;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Nor do the processes the tests start see a display or a launcher's token unless a test gives them one.
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "DESKTOP_STARTUP_ID", "XDG_ACTIVATION_TOKEN"})
    qunsetenv(variable);
  for (const char* variable : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
    qputenv(variable, own.path().toUtf8());
  qputenv("LOCPATH", QUENCHMARK_TEST_LOCALES);
  qputenv("LC_ALL", "de_DE.UTF-8");
  // Never torn down: Qt's own caches, which go at exit, may still be used as they go.
  [[maybe_unused]] static QApplication* application = AfxCreateApplication(argc, argv).release();
  if (std::strcmp(std::setlocale(LC_MONETARY, nullptr), "de_DE.UTF-8") != 0) {
    std::fprintf(stderr, "the German user locale in %s did not load\n", QUENCHMARK_TEST_LOCALES);
    std::exit(1);
  }
  static const CPriceApp app;
  static const SystemLocale english("LANG=en_US.UTF-8\n");
  AfxSetMessageBoxHandler([](const CString& text) {
    ADD_FAILURE() << "unexpected message box: " << text;
    return IDOK;
  });
}

Session::Session() {
  QProcess& daemon = start({}, {"dbus-daemon", "--session", "--nofork", "--print-address=1"});
  EXPECT_TRUE(daemon.waitForReadyRead(30000))
      << "dbus-daemon did not start: " << daemon.readAllStandardError().toStdString();
  bus = QString::fromUtf8(daemon.readLine().trimmed());
}

QProcess& Session::start(const QStringList& environment, const QStringList& command) {
  auto& process = *processes.emplace_back(std::make_unique<QProcess>());
  QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
  // A display that does not exist beside the platform chosen: the program must keep to the user's choice.
  const QStringList own{"QT_QPA_PLATFORM=offscreen", "DISPLAY=:2147483647", "XDG_RUNTIME_DIR=" + root.path(),
                        "XDG_CONFIG_HOME=" + root.filePath("config"), "DBUS_SESSION_BUS_ADDRESS=" + bus};
  for (const QString& variable : own + environment)
    variables.insert(variable.section('=', 0, 0), variable.section('=', 1));
  process.setProcessEnvironment(variables);
  // It ends with the test, even with one stopped for running past its time.
  process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
  process.start(command.first(), command.mid(1));
  return process;
}

qint64 Session::owner(const std::vector<QProcess*>& copies) const {
  const QDBusConnection connection = QDBusConnection::connectToBus(bus, root.path());
  qint64 pid = 0;
  const auto named = [&] {
    pid = connection.interface()->servicePid(QUENCHMARK_APP_ID).value();
    return std::ranges::find(copies, pid, &QProcess::processId) != copies.end();
  };
  return QTest::qWaitFor(named, 30000) ? pid : 0;
}

bool endsWell(QProcess& process) {
  process.waitForFinished(30000);
  return process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit &&
         process.exitCode() == 0;
}
