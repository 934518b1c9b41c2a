// One copy per user, with real processes: a second start hands over and ends, a killed copy leaves nothing
// that stops the next, simultaneous starts end with one window, and other users' copies are separate.
#include "framework/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {
// Each test gives its copies a runtime and a configuration directory of their own, as one user has.
class UserSession {
public:
  UserSession() {
    QDir().mkpath(runtime());
    QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().mkpath(config());
  }
  QString runtime() const { return m_root.filePath(QStringLiteral("runtime")); }
  QString config() const { return m_root.filePath(QStringLiteral("config")); }
  QString socketPath() const { return runtime() + QStringLiteral("/quenchmark.socket"); }

  std::unique_ptr<QProcess> start() const {
    auto copy = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config());
    copy->setProcessEnvironment(environment);
    copy->setProgram(QStringLiteral(QUENCHMARK_BINARY));
    copy->start();
    copy->waitForStarted();
    return copy;
  }

  // True once a copy answers on the socket.
  bool answering(int withinMs = 15000) const {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < withinMs) {
      QLocalSocket probe;
      probe.connectToServer(socketPath());
      if (probe.waitForConnected(100)) return true;
      QTest::qWait(50);
    }
    return false;
  }

private:
  QTemporaryDir m_root;
};

bool finishesWithin(QProcess& copy, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (copy.state() != QProcess::NotRunning && clock.elapsed() < ms) QTest::qWait(20);
  return copy.state() == QProcess::NotRunning;
}

void stop(QProcess& copy) {
  copy.kill();
  copy.waitForFinished();
}

TEST(SingleInstance, SecondStartAsksTheFirstForwardAndEndsWithoutTouchingSettings) {
  // This process keeps its claim until it exits, so the directory holding it must live as long.
  static const UserSession session;
  const QByteArray ownRuntime = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", session.runtime().toUtf8());
  ASSERT_EQ(FindWindowA(nullptr, "Quenchmark"), nullptr) << "this test process is the first copy";
  QWidget first;
  first.setWindowTitle(QStringLiteral("Quenchmark"));
  serveTitle(&first, first.windowTitle());
  QWidget other;
  first.show();
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));

  auto second = session.start();
  ASSERT_TRUE(finishesWithin(*second, 15000));
  EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second->exitCode(), 0);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&first)) << "the first copy came forward";
  EXPECT_TRUE(QDir(session.config()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));

  // Anything but the request is ignored, including a peer that never ends its line.
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  for (const QByteArray& noise : {QByteArray("hello\n"), QByteArray("activatex\n"), QByteArray(4096, 'a')}) {
    QLocalSocket peer;
    peer.connectToServer(session.socketPath());
    ASSERT_TRUE(peer.waitForConnected(1000));
    peer.write(noise);
    peer.waitForBytesWritten(1000);
    QTest::qWait(100);
    EXPECT_TRUE(other.isActiveWindow()) << noise.left(16).constData();
  }
  qputenv("XDG_RUNTIME_DIR", ownRuntime);
}

TEST(SingleInstance, AKilledCopyLeavesNothingThatStopsTheNextStart) {
  const UserSession session;
  auto killed = session.start();
  ASSERT_TRUE(session.answering());
  ::kill(static_cast<pid_t>(killed->processId()), SIGKILL);
  killed->waitForFinished();
  ASSERT_TRUE(QFileInfo::exists(session.runtime() + QStringLiteral("/quenchmark.lock")));

  auto next = session.start();
  EXPECT_FALSE(finishesWithin(*next, 3000)) << "the next copy must run";
  EXPECT_TRUE(session.answering());
  stop(*next);
}

TEST(SingleInstance, CopiesStartedTogetherEndWithExactlyOneWindow) {
  const UserSession session;
  std::vector<std::unique_ptr<QProcess>> copies;
  for (int i = 0; i < 3; ++i) copies.push_back(session.start());
  ASSERT_TRUE(session.answering());
  QElapsedTimer clock;
  clock.start();
  auto running = [&copies] {
    return std::count_if(copies.begin(), copies.end(),
                         [](const auto& copy) { return copy->state() != QProcess::NotRunning; });
  };
  while (running() > 1 && clock.elapsed() < 20000) QTest::qWait(50);
  QTest::qWait(500);
  EXPECT_EQ(running(), 1);
  for (const auto& copy : copies) {
    if (copy->state() == QProcess::NotRunning) {
      EXPECT_EQ(copy->exitStatus(), QProcess::NormalExit);
      EXPECT_EQ(copy->exitCode(), 0);
    } else {
      stop(*copy);
    }
  }
}

TEST(SingleInstance, AnotherUsersCopyNeitherBlocksOursNorCanReachIt) {
  const UserSession ours;
  const UserSession theirs;
  auto theirCopy = theirs.start();
  ASSERT_TRUE(theirs.answering());
  auto ourCopy = ours.start();
  EXPECT_FALSE(finishesWithin(*ourCopy, 3000));
  EXPECT_TRUE(ours.answering());
  const QFile::Permissions access = QFileInfo(ours.socketPath()).permissions();
  EXPECT_FALSE(access & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther));
  stop(*ourCopy);
  stop(*theirCopy);
}
}  // namespace
