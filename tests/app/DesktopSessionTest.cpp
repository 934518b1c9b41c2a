// The real program under display servers that the test starts itself: a Wayland compositor (weston's headless backend)
// with XWayland, and an X server (Xvfb) whose root window carries the launchers' startup-notification messages. A test
// whose server cannot start is skipped, and says so.
#include "tests/support/Support.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QTest>
#include <poll.h>
#include <xcb/xcb.h>

namespace {
// Starts a server in the session and waits until ready finds what it needs in its output; its output when it fails.
std::optional<QString> startServer(Session& session, const QStringList& command, const std::function<bool(const QString& out, const QString& err)>& ready) {
  QDir(QStringLiteral("/tmp")).mkdir(QStringLiteral(".X11-unix"));  // where weston and Xvfb put their X sockets
  QProcess& server = session.start({}, command);
  QString out, err;
  for (const QDeadlineTimer deadline(30000); server.state() != QProcess::NotRunning && !deadline.hasExpired();) {
    server.waitForReadyRead(100);
    out += QString::fromUtf8(server.readAllStandardOutput());
    err += QString::fromUtf8(server.readAllStandardError());
    if (ready(out, err)) return {};
  }
  return out + err + QStringLiteral("(ended)");
}

// The program prefers XWayland, where a window may place itself; a platform the user chose is kept.
TEST(DesktopSession, UnderWaylandWithXWaylandTheWindowRunsThroughXWaylandUnlessThePlatformIsChosen) {
  Session session;
  QString display;
  const QStringList weston{QStringLiteral("weston"), QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--xwayland"),
                           QStringLiteral("--socket=quenchmark-test"), QStringLiteral("--idle-time=0"), QStringLiteral("--no-config")};
  if (const auto failed = startServer(session, weston, [&](const QString& out, const QString& err) {
        display = QRegularExpression(QStringLiteral("xserver listening on display (:\\d+)")).match(out + err).captured(1);
        return QFileInfo::exists(session.path("runtime") + QStringLiteral("/quenchmark-test")) && !display.isEmpty();
      }))
    GTEST_SKIP() << "weston did not start: " << failed->toStdString();
  const QStringList wayland{QStringLiteral("WAYLAND_DISPLAY=quenchmark-test"), "DISPLAY=" + display, QStringLiteral("WAYLAND_DEBUG=client")};
  QProcess& preferring = session.start(wayland);
  const auto onX = [&display] {
    QProcess tree;
    tree.start(QStringLiteral("xwininfo"), {QStringLiteral("-display"), display, QStringLiteral("-root"), QStringLiteral("-tree")});
    return tree.waitForFinished(10000) && tree.readAll().contains("\"Quenchmark\"");
  };
  EXPECT_TRUE(QTest::qWaitFor(onX, 30000)) << "the window never appeared on XWayland";
  preferring.kill();
  preferring.waitForFinished();
  QProcess& chosen = session.start(wayland + QStringList{QStringLiteral("QT_QPA_PLATFORM=wayland")});
  QByteArray log;
  EXPECT_TRUE(QTest::qWaitFor([&] { return (log += chosen.readAllStandardError()).contains("set_title(\"Quenchmark\")"); }, 30000));
  EXPECT_EQ(chosen.state(), QProcess::Running);
}

// Whether the startup-notification message reaches the root window, in chunks of 20 bytes up to a NUL, within the
// time a loaded machine may take; messages holds what came so far.
bool received(xcb_connection_t* x, std::string& messages, const std::string& message) {
  for (const QDeadlineTimer deadline(30000); messages.find(message + '\0') == std::string::npos;) {
    if (deadline.hasExpired()) return false;
    pollfd wait{xcb_get_file_descriptor(x), POLLIN, 0};
    ::poll(&wait, 1, 100);
    while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
      if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE)
        messages.append(reinterpret_cast<const char*>(reinterpret_cast<xcb_client_message_event_t*>(event)->data.data8), 20);
      std::free(event);
    }
  }
  return true;
}

TEST(DesktopSession, ASecondStartFromALauncherEndsItsFeedbackThroughTheRunningCopy) {
  Session session;
  QString display;
  const QStringList xvfb{QStringLiteral("Xvfb"), QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"), QStringLiteral("tcp")};
  if (const auto failed = startServer(session, xvfb, [&display](const QString& out, const QString&) {
        display = ':' + out.trimmed();
        return out.endsWith('\n');
      }))
    GTEST_SKIP() << "Xvfb did not start: " << failed->toStdString();
  const std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)> x(xcb_connect(display.toUtf8().constData(), nullptr), xcb_disconnect);
  const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_change_window_attributes(x.get(), xcb_setup_roots_iterator(xcb_get_setup(x.get())).data->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(x.get());
  std::string messages;
  session.start({"DISPLAY=" + display, QStringLiteral("DESKTOP_STARTUP_ID=first-launch_TIME1")});
  EXPECT_TRUE(received(x.get(), messages, "remove: ID=first-launch_TIME1"));
  QProcess& second = session.start({"DISPLAY=" + display, QStringLiteral("DESKTOP_STARTUP_ID=second-launch_TIME2")});
  EXPECT_TRUE(received(x.get(), messages, "remove: ID=second-launch_TIME2"));
  EXPECT_TRUE(endsWell(second));
}
}  // namespace
