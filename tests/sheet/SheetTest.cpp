// The price sheet: the worked examples in aligned columns, its command line, and the executable's status and streams.
#include "sheet/SheetCommand.h"
#include "sheet/TextTable.h"
#include "tests/support/Support.h"
#include "tests/support/WorkedExamples.h"

#include <regex>
#include <sstream>

struct Outcome {
  int status;
  std::string out, err;
};

static Outcome sheet(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int status = runSheet(arguments, out, err);
  return {status, out.str(), err.str()};
}

TEST(Sheet, ShowsTheWorkedExamplesAsTheWindowDoesInAlignedColumns) {
  for (const WorkedExample& example : kWorkedExamples) {
    const int level = 100 - 10 * (example.level - ID_SKILL_100);
    const Outcome printed = sheet({"--rate=" + std::to_string(example.rate), "--level", std::to_string(level)});
    ASSERT_EQ(printed.status, kSheetPrinted);
    std::istringstream lines(printed.out);
    std::string title, header, line;
    std::getline(std::getline(lines, title), header);
    EXPECT_EQ(title, "Skill " + std::to_string(level) + ", Rate " + std::to_string(example.rate));
    while (std::getline(lines, line) && !line.starts_with(std::string(example.item) + "  ")) {
    }
    // Cells stand two blanks or more apart; an empty cell leaves nothing.
    const std::regex gap(" {2,}");
    const std::vector<std::string> cells(std::sregex_token_iterator(line.begin(), line.end(), gap, -1),
                                         std::sregex_token_iterator());
    std::vector<std::string> expected{example.item, example.ingots};
    if (!example.parts)
      expected.insert(expected.end(), example.rates.begin(), example.rates.end());
    expected.insert(expected.end(), {example.ingotsRequired, example.price});
    if (example.parts)
      expected.push_back(example.parts);
    EXPECT_EQ(cells, expected) << example.item;
    // Right-aligned figures end where their heading ends; nothing trails a line.
    EXPECT_EQ(line.rfind(std::string(" ") + example.price) + 1 + std::strlen(example.price), header.find("Price") + 5)
        << line;
    EXPECT_FALSE(line.ends_with(' ')) << line;
  }
}

TEST(Sheet, MeasuresTextInTheCellsATerminalGivesItSoThatColumnsLineUp) {
  for (const auto& [text, cells] :
       {std::pair{"1\u202f234,50", 8}, {"e\u0301\u200b", 1}, {"\u65e5\u672c", 4}, {"\uff21", 2}, {"\xff", 1}})
    EXPECT_EQ(displayWidth(text), cells) << text;
}

TEST(Sheet, ABadArgumentGivesStatus2AndOneLineOnTheErrorStreamOnly) {
  const std::vector<std::vector<std::string>> bad{{"--rate", "10000"},
                                                  {"--rate=-1"},
                                                  {"--rate", "1e3"},
                                                  {"--rate"},
                                                  {"--level", "55"},
                                                  {"--sort", "cost"},
                                                  {"--csv=yes"},
                                                  {"--rate", "5", "--rate", "6"},
                                                  {"stray\x01"},
                                                  {"-x"},
                                                  {"--level=all", "--level", "90"}};
  for (const auto& arguments : bad) {
    const Outcome printed = sheet(arguments);
    EXPECT_EQ(printed.status, kSheetBadArgument) << arguments[0];
    EXPECT_EQ(printed.out, "") << arguments[0];
    EXPECT_TRUE(printed.err.starts_with("quenchmark-sheet: ") && std::ranges::count(printed.err, '\n') == 1)
        << printed.err;
  }
  EXPECT_NE(sheet({"stray \x01"}).err.find("'stray \\x01'"), std::string::npos)
      << "a control character shown escaped, a blank as it is";
  EXPECT_EQ(sheet({"--rate", "09999", "--rate=9999", "--sort=price", "--level", "all", "--csv"}).status, kSheetPrinted);
}

TEST(Sheet, ATableThatCannotBeReadOrHoldsNoItemsFailsAndAnItemWithoutIngotsIsWarnedAbout) {
  for (const auto& [table, inPlace, err] :
       {std::tuple{tableRow("Axe", "14"), false, "Data File could not be opened.  (error = 1)"},
        std::tuple{std::string(";Item\r\n"), true, "the item table holds no items"}}) {
    const TableModule module(table, inPlace);
    const Outcome printed = sheet({});
    EXPECT_EQ(std::tie(printed.status, printed.out, printed.err),
              std::tuple(kSheetFailed, "", std::string("quenchmark-sheet: ") + err + "\n"));
  }
  const TableModule table(tableRow("Cracked Mould", "none") + tableRow("Axe ", "14"));
  const Outcome printed = sheet({"--csv"});
  EXPECT_EQ(printed.status, kSheetPrinted);
  EXPECT_EQ(
      printed.err,
      "quenchmark-sheet: warning: Cracked Mould: Invalid value entered for Ingots (\"none\"); its figures are 0.00\n");
  EXPECT_TRUE(printed.out.starts_with("Item,Ingots,Exec Rate (Skill 100),")) << printed.out;
  EXPECT_NE(printed.out.find("\r\nCracked Mould,none,50,0,0,0,0,0.00,0.00,\r\n\"Axe \",14,"), std::string::npos)
      << printed.out;
}

TEST(Sheet, TheExecutableReportsThroughItsStatusAndStreams) {
  const auto run = [](const QStringList& arguments, const QString& output = {}) {
    QProcess process;
    if (!output.isEmpty())
      process.setStandardOutputFile(output);
    process.start(QStringLiteral(QUENCHMARK_SHEET), arguments);
    process.waitForFinished(60000);
    return std::tuple{process.exitCode(), process.readAllStandardOutput().count("\nSkill "),
                      process.readAllStandardError()};
  };
  EXPECT_EQ(run({QStringLiteral("--sort")}),
            std::tuple(2, 0,
                       QByteArray("quenchmark-sheet: option '--sort' needs a value: name, ingots or price (see "
                                  "quenchmark-sheet --help)\n")));
  EXPECT_EQ(run({QStringLiteral("--level"), QStringLiteral("all")}), std::tuple(0, 5, QByteArray()));
  EXPECT_EQ(run({}, QStringLiteral("/dev/full")),
            std::tuple(1, 0, QByteArray("quenchmark-sheet: cannot write the sheet: No space left on device\n")));
}
