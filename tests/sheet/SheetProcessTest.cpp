// The real executable: exit statuses, what goes to standard output and to standard error.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

#include <ostream>

namespace {
struct Outcome {
  int status = -1;
  QByteArray out;
  QByteArray err;
};

Outcome runSheetProcess(const QStringList& arguments, const QString& outputFile = QString()) {
  QProcess process;
  if (!outputFile.isEmpty()) process.setStandardOutputFile(outputFile);
  process.start(QStringLiteral(QUENCHMARK_SHEET_PATH), arguments);
  Outcome outcome;
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return outcome;
  outcome.status = process.exitCode();
  outcome.out = process.readAllStandardOutput();
  outcome.err = process.readAllStandardError();
  return outcome;
}

class BadArgument : public ::testing::TestWithParam<QStringList> {};

TEST_P(BadArgument, GivesStatus2AndOneLineOnStandardErrorOnly) {
  const Outcome outcome = runSheetProcess(GetParam());
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.out, QByteArray());
  EXPECT_TRUE(outcome.err.startsWith("quenchmark-sheet: ")) << outcome.err.toStdString();
  EXPECT_TRUE(outcome.err.endsWith('\n')) << outcome.err.toStdString();
  EXPECT_EQ(outcome.err.count('\n'), 1) << outcome.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, BadArgument,
    ::testing::Values(QStringList{"--bogus"}, QStringList{"stray"}, QStringList{"--rate", "12abc"},
                      QStringList{"--rate", ""}, QStringList{"--rate", "-1"}, QStringList{"--rate", "10000"},
                      QStringList{"--rate", "18446744073709551628"}, QStringList{"--rate", "1\r\n2"},
                      QStringList{"--rate"}, QStringList{"--level", "75"}, QStringList{"--level"},
                      QStringList{"--sort", "weight"}, QStringList{"--csv=no"},
                      QStringList{"--rate", "1", "--rate", "2"}, QStringList{"--help", "--bogus"}));

TEST(SheetProcess, PrintsTheSheetWithStatus0AndNothingOnStandardError) {
  const Outcome outcome = runSheetProcess({"--level", "all", "--csv"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.err, QByteArray());
  EXPECT_TRUE(outcome.out.startsWith("Item,Ingots,Exec Rate (Skill 100),")) << outcome.out.left(200).toStdString();
  EXPECT_EQ(outcome.out.count("\r\n"), 59);
}

TEST(SheetProcess, HelpAndVersionGoToStandardOutput) {
  const Outcome help = runSheetProcess({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.startsWith("Usage: quenchmark-sheet ")) << help.out.toStdString();
  EXPECT_EQ(help.err, QByteArray());
  const Outcome version = runSheetProcess({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, QByteArray("quenchmark-sheet 2.0.0.3\n"));
  EXPECT_EQ(version.err, QByteArray());
}

TEST(SheetProcess, AnOutputThatCannotBeWrittenIsAFailure) {
  const Outcome outcome = runSheetProcess({"--level", "all"}, QStringLiteral("/dev/full"));
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err, QByteArray("quenchmark-sheet: cannot write the sheet: No space left on device\n"));
}
}  // namespace
