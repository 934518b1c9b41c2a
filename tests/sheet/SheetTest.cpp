// The price sheet: its aligned columns, command line, sort order, warning and CSV, a failed write, and its process.
#include "sheet/SheetCommand.h"
#include "tests/support/Support.h"

#include <sstream>

namespace {
struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome sheet(const QStringList& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = runSheet(arguments, out, err);
  return {status, out.str(), err.str()};
}

// Every row at the highest Rate, down to the table's last: each figure right-aligned to the end of its heading.
TEST(Sheet, EndsEachFigureWhereItsHeadingEnds) {
  const QStringList lines = QString::fromStdString(sheet({"--rate", "9999"}).out).split('\n', Qt::SkipEmptyParts);
  const QString& header = lines.at(1);
  for (const QString& line : lines.mid(2)) {
    for (const QString heading : {"Ingots", "Ingots Required", "Price"}) {
      const qsizetype end = header.indexOf(heading + "  ") + heading.size();
      // An item's row ends with its price.
      EXPECT_TRUE(line.at(end - 1).isDigit() && (line + ' ').at(end) == ' ') << heading << " in " << line;
    }
  }
  EXPECT_TRUE(lines.last().startsWith("*Raider Suit  ")) << lines.last();
}

TEST(Sheet, TakesItsArgumentsOrRefusesThemInOneLineWithStatus2) {
  const struct {
    const char* name;
    QStringList arguments;
    const char* problem;  // the error line without the program's name; nullptr: the sheet is printed
  } cases[] = {
      {"HighestRateTwiceAlike", {"--rate", "09999", "--rate=9999", "--sort=price", "--level", "all", "--csv"}, nullptr},
      {"DoubleDashEndsTheOptions", {"--rate", "5", "--"}, nullptr},
      {"OptionAfterDoubleDash", {"--", "--csv"}, "unexpected argument '--csv'"},
      {"RateHigh", {"--rate", "10000"}, "invalid value '10000' for --rate: expected a whole number from 0 to 9999"},
      {"RateNegative", {"--rate=-1"}, "invalid value '-1' for --rate: expected a whole number from 0 to 9999"},
      {"RateWithExponent", {"--rate", "1e3"}, "invalid value '1e3' for --rate: expected a whole number from 0 to 9999"},
      {"RateWithoutValue", {"--rate"}, "missing value after '--rate'"},
      {"RateTwiceOtherwise", {"--rate", "5", "--rate", "6"}, "option '--rate' given twice, as '5' and '6'"},
      {"LevelUnknown", {"--level", "55"}, "invalid value '55' for --level: expected 100, 90, 80, 70, 60, 50 or all"},
      {"SortUnknown", {"--sort", "cost"}, "invalid value 'cost' for --sort: expected name, ingots or price"},
      {"FlagWithValue", {"--csv=yes"}, "unexpected value after '--csv'"},
      {"UnknownOption", {"--x\x01"}, "unknown option 'x\\x01'"},
      {"StrayArgumentShownEscaped", {"stray \x01"}, "unexpected argument 'stray \\x01'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome printed = sheet(c.arguments);
    const std::string error =
        c.problem ? std::string("quenchmark-sheet: ") + c.problem + " (see quenchmark-sheet --help)\n" : "";
    EXPECT_EQ(printed.err, error);
    EXPECT_EQ(printed.status, c.problem ? kSheetBadArgument : kSheetPrinted);
    EXPECT_EQ(printed.out.empty(), c.problem != nullptr);
  }
}

// The least first: by name, by ingots, and by price at 90, where Plate Breastpiece costs nothing.
TEST(Sheet, SortsItsRowsByTheKeyAsked) {
  const std::pair<QStringList, const char*> firsts[] = {{{"--sort", "name"}, "*Bastard Combo "},
                                                        {{"--sort", "ingots"}, "Dagger "},
                                                        {{"--sort", "price", "--level", "90"}, "Plate Breastpiece "}};
  for (const auto& [arguments, first] : firsts)
    EXPECT_TRUE(QString::fromStdString(sheet(arguments).out).section('\n', 2, 2).startsWith(first))
        << arguments.join(' ');
}

// Fields with a comma, a quote or a blank at either end are quoted.
TEST(Sheet, WarnsOfAnItemWithoutIngotsAndQuotesCsvFieldsThatNeedIt) {
  const TableModule table(tableRow("Cracked \"Mould\"", "none") + tableRow("Axe ", "14") + tableRow("*A, B", "3"));
  const Outcome printed = sheet({"--csv"});
  EXPECT_EQ(printed.status, kSheetPrinted);
  EXPECT_EQ(printed.err,
            "quenchmark-sheet: warning: Cracked \"Mould\": Invalid value entered for Ingots (\"none\"); its figures "
            "are 0.00\n");
  EXPECT_NE(printed.out.find("\r\n\"Cracked \"\"Mould\"\"\",none,50,0,0,0,0,0.00,0.00,\r\n\"Axe \",14,"),
            std::string::npos)
      << printed.out;
  EXPECT_TRUE(printed.out.ends_with("\r\n\"*A, B\",3,,,,,,3.00,36.00,50\r\n")) << printed.out;
}

// A stream without a buffer fails every write, and the system gives no reason for it.
TEST(Sheet, SaysSoWhenTheSheetCannotBeWritten) {
  std::ostream unwritable(nullptr);
  std::ostringstream err;
  EXPECT_EQ(runSheet({}, unwritable, err), kSheetFailed);
  EXPECT_EQ(err.str(), "quenchmark-sheet: cannot write the sheet\n");
}

// As a user runs it: a process of its own, no display, the German environment every test has.
TEST(Sheet, TheExecutablePrintsTheFiguresWhateverTheUsersNumbers) {
  QProcess process;
  process.start(QStringLiteral(QUENCHMARK_SHEET), {"--level", "90", "--csv"});
  EXPECT_TRUE(process.waitForFinished(60000));
  EXPECT_TRUE(process.readAllStandardOutput().contains("\r\nFemale Plate,20,47,30,15,8,5.6,28.45,341.40,\r\n"));
}
}  // namespace
