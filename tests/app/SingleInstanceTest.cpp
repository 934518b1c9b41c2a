// One copy per session, with real processes on a private session bus.
#include "tests/support/Support.h"

#include <signal.h>

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
