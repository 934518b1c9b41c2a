// The real program under real display servers that the test starts itself: a Wayland compositor (weston's headless
// backend) with and without XWayland, and an X server (Xvfb) whose root window carries the launchers' startup
// notification messages. A test whose server cannot start is skipped, and says so.
#include "tests/support/Support.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <poll.h>
#include <xcb/xcb.h>

namespace {
// One display server and the copies of the program started on it, each with this session's own directories.
class Desktop {
public:
  ~Desktop() {
    for (auto& process : m_processes) {
      process->kill();
      process->waitForFinished();
    }
  }
  // Starts a server and waits until `ready` finds what it needs in its standard output and error, or returns false.
  bool startServer(const QString& program, const QStringList& arguments,
                   const std::function<bool(const QString& out, const QString& err)>& ready) {
    QDir().mkpath(m_root.filePath(QStringLiteral("runtime")));
    QFile::setPermissions(m_root.filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir("/tmp").mkdir(QStringLiteral(".X11-unix"));  // weston and Xvfb put their X sockets there
    QProcess& server = start(program, arguments, {});
    QString out;
    for (const QDeadlineTimer deadline(30000); server.state() != QProcess::NotRunning && !deadline.hasExpired();) {
      server.waitForReadyRead(100);
      out += QString::fromUtf8(server.readAllStandardOutput());
      m_serverOutput += QString::fromUtf8(server.readAllStandardError());
      if (ready(out, m_serverOutput)) return true;
    }
    return false;
  }
  QProcess& start(const QString& program, const QStringList& arguments, const QStringList& environment) {
    auto& process = *m_processes.emplace_back(std::make_unique<QProcess>());
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "DESKTOP_STARTUP_ID", "XDG_ACTIVATION_TOKEN"})
      variables.remove(QString::fromLatin1(name));
    variables.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_root.filePath(QStringLiteral("runtime")));
    variables.insert(QStringLiteral("XDG_CONFIG_HOME"), m_root.path());
    variables.insert(QStringLiteral("XDG_CACHE_HOME"), m_root.path());
    for (const QString& variable : environment) variables.insert(variable.section('=', 0, 0), variable.section('=', 1));
    process.setProcessEnvironment(variables);
    process.start(program, arguments);
    return process;
  }
  QProcess& startProgram(const QStringList& environment) { return start(QStringLiteral(QUENCHMARK_BINARY), {}, environment); }
  const QString& serverOutput() const { return m_serverOutput; }
  QString runtime() const { return m_root.filePath(QStringLiteral("runtime")); }

private:
  QTemporaryDir m_root;
  std::vector<std::unique_ptr<QProcess>> m_processes;
  QString m_serverOutput;
};

// Whether a top-level window titled "Quenchmark" shows on the X display within the time a loaded machine may take.
bool onX(const QString& display) {
  for (const QDeadlineTimer deadline(30000); !deadline.hasExpired(); QTest::qWait(50)) {
    QProcess tree;
    tree.start(QStringLiteral("xwininfo"), {QStringLiteral("-display"), display, QStringLiteral("-root"), QStringLiteral("-tree")});
    if (tree.waitForFinished(10000) && tree.readAll().contains("\"Quenchmark\"")) return true;
  }
  return false;
}

QString westonDisplay(Desktop& desktop, bool xwayland) {
  QStringList arguments{QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--socket=quenchmark-test"),
                        QStringLiteral("--idle-time=0"), QStringLiteral("--no-config")};
  if (xwayland) arguments << QStringLiteral("--xwayland");
  const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
  QString display;
  const bool up = desktop.startServer(QStringLiteral("weston"), arguments, [&](const QString& out, const QString& err) {
    display = listening.match(out + err).captured(1);
    return QFileInfo::exists(desktop.runtime() + QStringLiteral("/quenchmark-test")) && (!xwayland || !display.isEmpty());
  });
  return up ? display : QStringLiteral("none");
}

// Whether the program, run with WAYLAND_DEBUG=client, gives a Wayland window of its own the title "Quenchmark".
bool titledNatively(QProcess& program) {
  QByteArray log;
  return QTest::qWaitFor([&] { return (log += program.readAllStandardError()).contains("set_title(\"Quenchmark\")"); }, 30000);
}

TEST(DesktopSession, UnderWaylandWithXWaylandTheWindowRunsThroughXWaylandUnlessThePlatformIsChosen) {
  Desktop desktop;
  const QString display = westonDisplay(desktop, true);
  if (display == QLatin1String("none")) GTEST_SKIP() << "weston with XWayland did not start: " << desktop.serverOutput().toStdString();
  QProcess& chosen = desktop.startProgram({QStringLiteral("WAYLAND_DISPLAY=quenchmark-test"), "DISPLAY=" + display});
  EXPECT_TRUE(onX(display)) << "the window never appeared on XWayland";
  chosen.kill();
  chosen.waitForFinished();
  QProcess& native = desktop.startProgram({QStringLiteral("WAYLAND_DISPLAY=quenchmark-test"), "DISPLAY=" + display,
                                          QStringLiteral("QT_QPA_PLATFORM=wayland"), QStringLiteral("WAYLAND_DEBUG=client")});
  EXPECT_TRUE(titledNatively(native));
  EXPECT_EQ(native.state(), QProcess::Running);
}

TEST(DesktopSession, UnderWaylandWithoutXWaylandTheWindowRunsNativelyAndKeepsRunning) {
  Desktop desktop;
  if (westonDisplay(desktop, false) == QLatin1String("none")) GTEST_SKIP() << "weston did not start: " << desktop.serverOutput().toStdString();
  QProcess& native = desktop.startProgram({QStringLiteral("WAYLAND_DISPLAY=quenchmark-test"), QStringLiteral("WAYLAND_DEBUG=client")});
  EXPECT_TRUE(titledNatively(native));
  EXPECT_EQ(native.state(), QProcess::Running);
}

// Collects the startup-notification messages sent to the root window: chunks of 20 bytes, the first of type
// _NET_STARTUP_INFO_BEGIN, up to a NUL.
class StartupListener {
public:
  explicit StartupListener(const QString& display) : m_x(xcb_connect(display.toUtf8().constData(), nullptr)) {
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(m_x, xcb_setup_roots_iterator(xcb_get_setup(m_x)).data->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_x);
  }
  ~StartupListener() { xcb_disconnect(m_x); }
  // Waits for the message; false when it has not come within the time a loaded machine may take.
  bool received(const std::string& message) {
    for (const QDeadlineTimer deadline(30000); !deadline.hasExpired();) {
      pollfd wait{xcb_get_file_descriptor(m_x), POLLIN, 0};
      ::poll(&wait, 1, 100);
      while (xcb_generic_event_t* event = xcb_poll_for_event(m_x)) {
        if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
          const auto* chunk = reinterpret_cast<xcb_client_message_event_t*>(event);
          m_partial.append(reinterpret_cast<const char*>(chunk->data.data8), 20);
          if (const auto end = m_partial.find('\0'); end != std::string::npos) {
            m_messages.push_back(m_partial.substr(0, end));
            m_partial.clear();
          }
        }
        std::free(event);
      }
      if (std::ranges::find(m_messages, message) != m_messages.end()) return true;
    }
    return false;
  }

private:
  xcb_connection_t* m_x;
  std::string m_partial;
  std::vector<std::string> m_messages;
};

TEST(DesktopSession, ASecondStartFromALauncherEndsItsFeedbackThroughTheRunningCopy) {
  Desktop desktop;
  QString display;
  const QStringList arguments{QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"), QStringLiteral("tcp")};
  const bool up = desktop.startServer(QStringLiteral("Xvfb"), arguments, [&display](const QString& out, const QString&) {
    display = ':' + out.trimmed();
    return out.endsWith('\n');
  });
  if (!up) GTEST_SKIP() << "Xvfb did not start: " << desktop.serverOutput().toStdString();
  StartupListener listener(display);
  desktop.startProgram({"DISPLAY=" + display, QStringLiteral("DESKTOP_STARTUP_ID=first-launch_TIME1")});
  EXPECT_TRUE(listener.received("remove: ID=first-launch_TIME1"));
  QProcess& second = desktop.startProgram({"DISPLAY=" + display, QStringLiteral("DESKTOP_STARTUP_ID=second-launch_TIME2")});
  EXPECT_TRUE(listener.received("remove: ID=second-launch_TIME2"));
  EXPECT_TRUE(second.waitForFinished(30000) && second.exitCode() == 0);
}
}  // namespace
