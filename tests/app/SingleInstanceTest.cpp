// One copy per user, with real processes: a second start hands over its token and ends, a killed copy leaves nothing
// that stops the next, simultaneous starts end with one window, another user's copy is apart, and a runtime
// directory that cannot be used costs nothing.
#include "framework/SingleInstance.h"
#include "tests/support/Support.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {
// A user's session of its own: runtime, cache and configuration directories, and the copies started in it.
class Session {
public:
  Session() {
    for (const char* name : {"runtime", "cache", "config"}) QDir(m_root.path()).mkdir(QString::fromLatin1(name));
    QFile::setPermissions(path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  ~Session() {
    for (auto& copy : m_copies) {
      copy->kill();
      copy->waitForFinished();
    }
  }
  QString path(const char* name) const { return m_root.filePath(QString::fromLatin1(name)); }

  // Starts a copy, through `wrapper` (a command line that ends by running its arguments) where one is given.
  QProcess& start(const QStringList& environment = {}, const QStringList& wrapper = {}) {
    auto& copy = *m_copies.emplace_back(std::make_unique<QProcess>());
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const char* name : {"runtime", "cache", "config"})
      variables.insert(QStringLiteral("XDG_%1_%2").arg(QString::fromLatin1(name).toUpper(), name[0] == 'r' ? "DIR" : "HOME"), path(name));
    for (const QString& variable : environment) variables.insert(variable.section('=', 0, 0), variable.section('=', 1));
    copy.setProcessEnvironment(variables);
    copy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList command = wrapper + QStringList{QStringLiteral(QUENCHMARK_BINARY)};
    copy.start(command.first(), command.mid(1));
    return copy;
  }

  // Whether a copy answers on the socket in `directory` within the time a loaded machine may take.
  bool answering(const char* directory = "runtime") const {
    for (const QDeadlineTimer deadline(30000); !deadline.hasExpired(); QTest::qWait(20)) {
      QLocalSocket probe;
      probe.connectToServer(path(directory) + QStringLiteral("/quenchmark.socket"));
      if (probe.waitForConnected(100)) return true;
    }
    return false;
  }

private:
  QTemporaryDir m_root;
  std::vector<std::unique_ptr<QProcess>> m_copies;
};

bool endsWell(QProcess& copy) {
  if (copy.state() != QProcess::NotRunning) copy.waitForFinished(30000);
  return copy.state() == QProcess::NotRunning && copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0;
}

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
  QProcess& second = session.start({QStringLiteral("XDG_RUNTIME_DIR=") + qgetenv("XDG_RUNTIME_DIR"),
                                    QStringLiteral("XDG_ACTIVATION_TOKEN=launcher-token_TIME42")});
  EXPECT_TRUE(endsWell(second));
  EXPECT_TRUE(QTest::qWaitForWindowActive(&first));
  EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), "launcher-token_TIME42") << "handed to the platform to come forward with";
  EXPECT_TRUE(QDir(session.path("config")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));

  // Anything but the request is ignored, a peer that never ends its line included.
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  for (const QByteArray& noise : {QByteArray("hello\n"), QByteArray("activatex\n"), QByteArray("activate a\"b\n"),
                                  QByteArray("activate a b\n"), QByteArray(4096, 'a')}) {
    QLocalSocket peer;
    peer.connectToServer(QString::fromUtf8(qgetenv("XDG_RUNTIME_DIR")) + QStringLiteral("/quenchmark.socket"));
    ASSERT_TRUE(peer.waitForConnected(5000));
    peer.write(noise);
    peer.waitForBytesWritten(5000);
    EXPECT_TRUE(QTest::qWaitFor([&peer] { return peer.state() == QLocalSocket::UnconnectedState; }, 5000)) << noise.left(16).constData();
    EXPECT_TRUE(other.isActiveWindow()) << noise.left(16).constData();
  }
}

TEST(SingleInstance, AKilledCopyLeavesNothingThatStopsTheNextStart) {
  Session session;
  QProcess& killed = session.start();
  ASSERT_TRUE(session.answering());
  ::kill(static_cast<pid_t>(killed.processId()), SIGKILL);
  killed.waitForFinished();
  ASSERT_TRUE(QFileInfo::exists(session.path("runtime") + QStringLiteral("/quenchmark.lock")));
  QProcess& next = session.start();
  EXPECT_TRUE(session.answering());
  EXPECT_EQ(next.state(), QProcess::Running);
}

TEST(SingleInstance, CopiesStartedTogetherEndWithExactlyOneWindowAndNoneOfAnotherUsersCounts) {
  Session ours, theirs;
  QProcess& theirCopy = theirs.start();
  std::vector<QProcess*> copies;
  for (int i = 0; i < 3; ++i) copies.push_back(&ours.start());
  ASSERT_TRUE(ours.answering());
  const auto running = [&copies] { return std::ranges::count(copies, QProcess::Running, &QProcess::state); };
  for (const QDeadlineTimer deadline(30000); running() > 1 && !deadline.hasExpired();) QTest::qWait(20);
  EXPECT_EQ(running(), 1);
  for (QProcess* copy : copies) EXPECT_TRUE(copy->state() == QProcess::Running || endsWell(*copy));
  EXPECT_EQ(theirCopy.state(), QProcess::Running);
  const QFile::Permissions access = QFileInfo(ours.path("runtime") + QStringLiteral("/quenchmark.socket")).permissions();
  EXPECT_FALSE(access & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther));
}

// A runtime directory on a file system that is read-only, or full, as a private mount shows it: even root cannot
// write there. The copy claims the title in the cache directory instead, where the next start finds it.
TEST(SingleInstance, ARuntimeDirectoryThatCannotBeWrittenIsNoRunningCopy) {
  if (QProcess::execute(QStringLiteral("unshare"), {QStringLiteral("-rm"), QStringLiteral("true")}) != 0)
    GTEST_SKIP() << "unshare cannot make a private mount here, so no unwritable runtime directory can be made";
  for (const char* mount : {"mount -t tmpfs -o ro,mode=0700 tmpfs \"$XDG_RUNTIME_DIR\"",
                            "mount -t tmpfs -o size=4k,mode=0700 tmpfs \"$XDG_RUNTIME_DIR\" && { cat /dev/zero > \"$XDG_RUNTIME_DIR/full\"; true; }"}) {
    SCOPED_TRACE(mount);
    Session session;
    const QStringList wrapper{QStringLiteral("unshare"), QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
                              QString::fromLatin1(mount) + QStringLiteral(" 2>/dev/null && exec \"$0\"")};
    QProcess& first = session.start({}, wrapper);
    EXPECT_TRUE(session.answering("cache"));
    EXPECT_TRUE(endsWell(session.start({}, wrapper)));
    EXPECT_EQ(first.state(), QProcess::Running);
  }
}
}  // namespace
