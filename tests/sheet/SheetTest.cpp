// The price sheet: the worked examples in aligned columns, its command line, and the executable as users run it.
#include "sheet/SheetCommand.h"
#include "sheet/TextTable.h"
#include "tests/support/Support.h"
#include "tests/support/WorkedExamples.h"

#include <regex>
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

// Cells stand two blanks or more apart, right-aligned figures ending where their heading ends.
TEST(Sheet, ShowsTheWorkedExamplesInTheirColumnsAsTheWindowDoes) {
  for (const WorkedExample& example : kWorkedExamples) {
    SCOPED_TRACE(nameOf(example));
    const QString level = QString::number(100 - 10 * (example.level - ID_SKILL_100));
    std::istringstream lines(sheet({"--rate=" + QString::number(example.rate), "--level", level}).out);
    std::string title;
    std::string header;
    std::getline(lines, title);
    std::getline(lines, header);
    EXPECT_EQ(title, "Skill " + level.toStdString() + ", Rate " + std::to_string(example.rate));
    std::string line;
    while (std::getline(lines, line) && !line.starts_with(std::string(example.item) + "  ")) {
    }
    const std::regex gap(" {2,}");
    const std::vector<std::string> cells(std::sregex_token_iterator(line.begin(), line.end(), gap, -1),
                                         std::sregex_token_iterator());
    std::vector<std::string> expected{example.item, example.ingots};
    if (!*example.parts)
      expected.insert(expected.end(), example.rates.begin(), example.rates.end());
    expected.insert(expected.end(), {example.ingotsRequired, example.price});
    if (*example.parts)
      expected.push_back(example.parts);
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(line.rfind(std::string(" ") + example.price) + 1 + std::strlen(example.price), header.find("Price") + 5);
  }
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
      {"LevelTwiceOtherwise", {"--level=all", "--level", "90"}, "option '--level' given twice, as 'all' and '90'"},
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

// In CSV, where one row holds every level, the first level's figures order the rows.
TEST(Sheet, SortsItsRowsByTheKeyAsked) {
  const std::pair<QStringList, const char*> cases[] = {
      {{"--sort", "name"}, "*Bastard Combo"},
      {{"--sort", "ingots"}, "Dagger"},
      {{"--sort", "price", "--level", "90"}, "Plate Breastpiece"},
      {{"--sort", "price", "--level", "all", "--csv"}, "Dagger,"},
      {{}, "Axe "},
  };
  for (const auto& [arguments, first] : cases) {
    std::istringstream lines(sheet(arguments).out);
    std::string line;
    while (std::getline(lines, line) && (line.starts_with("Skill") || line.starts_with("Item"))) {
    }
    EXPECT_TRUE(line.starts_with(first)) << arguments.join(' ') << ": " << line;
  }
}

TEST(Sheet, HelpAndVersionComeFromTheCommandLineParser) {
  EXPECT_NE(sheet({"--help"}).out.find("  --rate <N>     The price of one ingot"), std::string::npos);
  EXPECT_EQ(sheet({"--version"}).out, "quenchmark-sheet " QUENCHMARK_VERSION "\n");
}

TEST(Sheet, FailsOnATableThatCannotBeReadOrHoldsNoItems) {
  const std::tuple<const char*, std::string, bool, const char*> tables[] = {
      {"not readable in place", tableRow("Axe", "14"), false, "Data File could not be opened.  (error = 1)"},
      {"no items", ";Item\r\n", true, "the item table holds no items"},
  };
  for (const auto& [name, bytes, inPlace, problem] : tables) {
    const TableModule table(bytes, inPlace);
    const Outcome printed = sheet({});
    EXPECT_EQ(printed.status, kSheetFailed) << name;
    EXPECT_EQ(printed.out, "") << name;
    EXPECT_EQ(printed.err, std::string("quenchmark-sheet: ") + problem + "\n") << name;
  }
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

TEST(Sheet, MeasuresTextInTheCellsATerminalGivesIt) {
  const std::pair<const char*, int> texts[] = {
      {"1\u202f234,50", 8}, {"e\u0301\u200b", 1}, {"\u65e5\u672c", 4}, {"\uff21", 2}, {"\xff", 1},
  };
  for (const auto& [text, cells] : texts)
    EXPECT_EQ(displayWidth(text), cells) << text;
}

// As a user runs it, from a terminal without a display, in a German environment.
TEST(Sheet, TheExecutableNeedsNoDisplayNorAnyGuiLibrary) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
    environment.remove(QString::fromLatin1(name));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(QUENCHMARK_SHEET), {"--level", "90", "--csv"});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), kSheetPrinted) << process.readAllStandardError().toStdString();
  EXPECT_TRUE(process.readAllStandardOutput().contains("\r\nFemale Plate,20,47,30,15,8,5.6,28.45,341.40,\r\n"));
  process.start(QStringLiteral("ldd"), {QStringLiteral(QUENCHMARK_SHEET)});
  ASSERT_TRUE(process.waitForFinished(60000));
  const QString libraries = QString::fromUtf8(process.readAllStandardOutput());
  EXPECT_TRUE(libraries.contains(QStringLiteral("libQt6Core"))) << libraries;
  EXPECT_FALSE(libraries.contains(QRegularExpression(QStringLiteral("libQt6(Gui|Widgets|DBus)")))) << libraries;
}

}  // namespace
