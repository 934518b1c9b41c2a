// One copy per user, with real processes: hand-over, simultaneous starts, a killed copy, a read-only runtime directory.
#include "framework/SingleInstance.h"
#include "tests/support/Support.h"

const QString kOffscreen = "QT_QPA_PLATFORM=offscreen";

// This process is the first copy here: it claims the title, as the program's start-up does, and shows its window.
TEST(SingleInstance, ASecondStartHandsOverItsTokenAndEndsWithoutTouchingTheSettings) {
  ASSERT_EQ(FindWindowA(nullptr, "Quenchmark"), nullptr);
  QWidget first, other;
  first.setWindowTitle("QUENCHMARK");
  first.show();
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  // Anything but the request is ignored, a peer that never ends its line included.
  for (const QByteArray& noise :
       {QByteArray("activatex\n"), QByteArray("activate a\"b\n"), QByteArray("activate a\x7f\n"),
        QByteArray("activate a b\n"), QByteArray(4096, 'a')}) {
    QLocalSocket peer;
    peer.connectToServer(qgetenv("XDG_RUNTIME_DIR") + "/quenchmark.socket");
    ASSERT_TRUE(peer.waitForConnected(5000));
    peer.write(noise);
    EXPECT_TRUE(QTest::qWaitFor([&peer] { return peer.state() == QLocalSocket::UnconnectedState; }, 5000))
        << noise.left(16).constData();
    EXPECT_TRUE(other.isActiveWindow()) << noise.left(16).constData();
  }
  Session session;
  const QByteArray longestToken = "launcher-token_TIME42" + QByteArray(235, 'x');
  QProcess& second = session.start(
      {kOffscreen, "XDG_RUNTIME_DIR=" + qgetenv("XDG_RUNTIME_DIR"), "XDG_ACTIVATION_TOKEN=" + longestToken});
  EXPECT_TRUE(endsWell(second));
  EXPECT_TRUE(QTest::qWaitForWindowActive(&first));
  EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), longestToken) << "handed to the platform to come forward with";
  EXPECT_TRUE(QDir(session.path("config")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
}

// Copies started together end with one, claimed in the runtime directory or, where a read-only mount makes that
// unusable, in the cache directory; what the copy left behind when it is killed must not stop the next start.
TEST(SingleInstance, CopiesStartedTogetherEndWithOneWindowWhereverTheyClaimItAndAKilledCopyLeavesNothingBehind) {
  QStringList mounts{QString()};
  if (QProcess::execute("unshare", {"-rm", "true"}) == 0)
    mounts << "mount -t tmpfs -o ro,mode=0700 tmpfs \"$XDG_RUNTIME_DIR\"";
  else
    std::cout << "a read-only runtime directory is not tried: unshare cannot make a private mount here\n";
  for (const QString& mount : mounts) {
    SCOPED_TRACE(mount.toStdString());
    Session ours;
    QStringList command{QUENCHMARK_BINARY};
    if (!mount.isEmpty())
      command = QStringList{"unshare", "-rm", "sh", "-c", mount + " 2>/dev/null && exec \"$0\""} + command;
    const char* claimed = mount.isEmpty() ? "runtime" : "cache";
    std::vector<QProcess*> copies;
    for (int i = 0; i < 3; ++i)
      copies.push_back(&ours.start({kOffscreen}, command));
    ASSERT_TRUE(ours.answering(claimed));
    const auto running = [&copies] {
      return std::ranges::count(copies, QProcess::Running, &QProcess::state);
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return running() == 1; }, 30000)) << running() << " running";
    for (QProcess* copy : copies)
      EXPECT_TRUE(copy->state() == QProcess::Running || endsWell(*copy));
    const QFile::Permissions access = QFileInfo(ours.path(claimed) + "/quenchmark.socket").permissions();
    EXPECT_FALSE(access & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther));
    QProcess* left = *std::ranges::find(copies, QProcess::Running, &QProcess::state);
    left->kill();
    left->waitForFinished();
    QProcess& next = ours.start({kOffscreen}, command);
    EXPECT_TRUE(ours.answering(claimed) && next.state() == QProcess::Running);
  }
}
