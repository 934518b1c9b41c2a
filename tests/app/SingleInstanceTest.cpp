// One copy per session, with real processes on a private session bus.
#include "framework/SingleInstance.h"
#include "tests/support/Support.h"

#include <signal.h>
#include <QDBusConnection>
#include <QDBusMessage>

TEST(SingleInstance, TenStartsTogetherEndWithOneWindowAndAKilledOneBlocksNothing) {
  Session session;
  std::vector<QProcess*> copies;
  for (int i = 0; i < 10; ++i)
    copies.push_back(&session.start());
  const qint64 owner = session.owner(copies);
  ASSERT_NE(owner, 0);
  for (QProcess* copy : copies)
    EXPECT_TRUE(copy->processId() == owner || endsWell(*copy));
  EXPECT_TRUE(QDir(session.root.filePath("config")).isEmpty()) << "the later starts write no settings";
  kill(static_cast<pid_t>(owner), SIGKILL);
  QProcess& next = session.start();
  EXPECT_EQ(session.owner({&next}), next.processId());
}

// A stopped copy answers nothing: the later start says so, and its message box waits for the user.
TEST(SingleInstance, AStartThatFindsAStoppedCopySaysSo) {
  Session session;
  QProcess& first = session.start();
  ASSERT_EQ(session.owner({&first}), first.processId());
  kill(static_cast<pid_t>(first.processId()), SIGSTOP);
  QProcess& later = session.start();
  later.setReadChannel(QProcess::StandardError);
  EXPECT_TRUE(later.waitForReadyRead(30000) && later.readLine().startsWith("Quenchmark is already running but does "
                                                                           "not answer"));
  // A start without the box would end at once; a loaded machine can only make this check weaker, never fail it.
  EXPECT_FALSE(later.waitForFinished(3000)) << "the message box did not wait";
}

TEST(SingleInstance, AnotherUsersStartRunsOnItsOwn) {
  if (geteuid() != 0)
    GTEST_SKIP() << "only root can start a program as another user";
  Session session;
  QProcess& ours = session.start();
  ASSERT_EQ(session.owner({&ours}), ours.processId());
  QProcess& theirs = session.start({"LD_PRELOAD=" FIRST_PAINT_SHIM},
                                   {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", QUENCHMARK_BINARY});
  EXPECT_TRUE(theirs.waitForReadyRead(30000) && theirs.readAll().startsWith("painted")) << "no window of their own";
}

// The running copy's answer to a later start or a launcher: its window becomes the active one, wherever the focus was.
TEST(SingleInstance, ARequestToActivateBringsTheRunningWindowForward) {
  Session session;
  qputenv("DBUS_SESSION_BUS_ADDRESS", session.bus.toUtf8());
  QGuiApplication::setDesktopFileName(QStringLiteral(QUENCHMARK_APP_ID));
  ASSERT_FALSE(FindWindowA(nullptr, "Quenchmark")) << "this process claims the id on the session's bus";
  withWindow([&](PriceDlgProbe& dlg) {
    // A window that the running dialog does not block.
    QWidget elsewhere(dlg.window(), Qt::Window);
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &elsewhere; }, 30000));
    QDBusMessage request = QDBusMessage::createMethodCall(QUENCHMARK_APP_ID, "/example/brasswick/Quenchmark",
                                                          "org.freedesktop.Application", "Activate");
    request << QVariantMap();
    QDBusConnection::connectToBus(session.bus, "launcher").send(request);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dlg.window(); }, 30000));
  });
}
