// One copy per user, with real processes: hand-over, simultaneous starts, a killed copy, an unusable runtime directory.
#include "framework/SingleInstance.h"
#include "tests/support/Support.h"

#include <csignal>

namespace {
const QString kOffscreen = QStringLiteral("QT_QPA_PLATFORM=offscreen");

// This process is the first copy here: it claims the title, as the program's start-up does, and shows its window.
TEST(SingleInstance, ASecondStartHandsOverItsTokenAndEndsWithoutTouchingTheSettings) {
  ASSERT_EQ(FindWindowA(nullptr, "Quenchmark"), nullptr);
  QWidget first, other;
  first.setWindowTitle(QStringLiteral("QUENCHMARK"));
  first.show();
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  Session session;
  QProcess& second = session.start({kOffscreen, QStringLiteral("XDG_RUNTIME_DIR=") + qgetenv("XDG_RUNTIME_DIR"),
                                           QStringLiteral("XDG_ACTIVATION_TOKEN=launcher-token_TIME42")});
  EXPECT_TRUE(endsWell(second));
  EXPECT_TRUE(QTest::qWaitForWindowActive(&first));
  EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), "launcher-token_TIME42") << "handed to the platform to come forward with";
  EXPECT_TRUE(QDir(session.path("config")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
  // Anything but the request is ignored, a peer that never ends its line included.
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  for (const QByteArray& noise : {QByteArray("activatex\n"), QByteArray("activate a\"b\n"), QByteArray("activate a b\n"), QByteArray(4096, 'a')}) {
    QLocalSocket peer;
    peer.connectToServer(QString::fromUtf8(qgetenv("XDG_RUNTIME_DIR")) + QStringLiteral("/quenchmark.socket"));
    ASSERT_TRUE(peer.waitForConnected(5000));
    peer.write(noise);
    EXPECT_TRUE(QTest::qWaitFor([&peer] { return peer.state() == QLocalSocket::UnconnectedState; }, 5000)) << noise.left(16).constData();
    EXPECT_TRUE(other.isActiveWindow()) << noise.left(16).constData();
  }
}

// The copy left running is then killed: what it leaves behind must not stop the next start.
TEST(SingleInstance, CopiesStartedTogetherEndWithOneWindowAndAKilledCopyLeavesNothingBehind) {
  Session ours, theirs;
  QProcess& theirCopy = theirs.start({kOffscreen});
  std::vector<QProcess*> copies;
  for (int i = 0; i < 3; ++i) copies.push_back(&ours.start({kOffscreen}));
  ASSERT_TRUE(ours.answering());
  const auto running = [&copies] { return std::ranges::count(copies, QProcess::Running, &QProcess::state); };
  for (const QDeadlineTimer deadline(30000); running() > 1 && !deadline.hasExpired();) QTest::qWait(20);
  ASSERT_EQ(running(), 1);
  for (QProcess* copy : copies) EXPECT_TRUE(copy->state() == QProcess::Running || endsWell(*copy));
  EXPECT_EQ(theirCopy.state(), QProcess::Running) << "another user's copy counts for nothing";
  const QFile::Permissions access = QFileInfo(ours.path("runtime") + QStringLiteral("/quenchmark.socket")).permissions();
  EXPECT_FALSE(access & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther));
  QProcess* left = *std::ranges::find(copies, QProcess::Running, &QProcess::state);
  ::kill(static_cast<pid_t>(left->processId()), SIGKILL);
  left->waitForFinished();
  QProcess& next = ours.start({kOffscreen});
  EXPECT_TRUE(ours.answering());
  EXPECT_EQ(next.state(), QProcess::Running);
}

// A private read-only or full mount, which not even root can write: the claim goes to the cache directory instead.
TEST(SingleInstance, ARuntimeDirectoryThatCannotBeWrittenIsNoRunningCopy) {
  if (QProcess::execute(QStringLiteral("unshare"), {QStringLiteral("-rm"), QStringLiteral("true")}) != 0)
    GTEST_SKIP() << "unshare cannot make a private mount here, so no unwritable runtime directory can be made";
  for (const char* mount : {"mount -t tmpfs -o ro,mode=0700 tmpfs \"$XDG_RUNTIME_DIR\"",
                            "mount -t tmpfs -o size=4k,mode=0700 tmpfs \"$XDG_RUNTIME_DIR\" && { cat /dev/zero > \"$XDG_RUNTIME_DIR/full\"; true; }"}) {
    SCOPED_TRACE(mount);
    Session session;
    const QStringList wrapper{QStringLiteral("unshare"), QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
                              QString::fromLatin1(mount) + QStringLiteral(" 2>/dev/null && exec \"$0\""), QStringLiteral(QUENCHMARK_BINARY)};
    QProcess& first = session.start({kOffscreen}, wrapper);
    EXPECT_TRUE(session.answering("cache"));
    EXPECT_TRUE(endsWell(session.start({kOffscreen}, wrapper)));
    EXPECT_EQ(first.state(), QProcess::Running);
  }
}
}  // namespace
