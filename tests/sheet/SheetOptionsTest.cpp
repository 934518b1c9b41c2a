// The command line, read strictly: what each accepted form asks for, and the one problem of each bad one.
#include "sheet/SheetOptions.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {
std::string joined(const std::vector<std::string>& arguments) {
  std::string text;
  for (const std::string& argument : arguments) text += (text.empty() ? "" : " ") + ('[' + argument + ']');
  return text;
}

struct GoodCase {
  std::vector<std::string> arguments;
  SheetCommandLine::Action action;
  int rate;
  std::vector<int> levels;
  bool csv;
  SheetSort sort;
};

void PrintTo(const GoodCase& c, std::ostream* out) { *out << joined(c.arguments); }

class AcceptedCommandLine : public ::testing::TestWithParam<GoodCase> {};

TEST_P(AcceptedCommandLine, AsksForWhatItSays) {
  const GoodCase& c = GetParam();
  const SheetCommandLine parsed = parseSheetCommandLine(c.arguments);
  EXPECT_EQ(parsed.problem, "");
  EXPECT_EQ(parsed.action, c.action);
  EXPECT_EQ(parsed.options.rate, c.rate);
  std::vector<int> levels;
  for (const SkillLevel* level : parsed.options.levels) levels.push_back(level->level);
  EXPECT_EQ(levels, c.levels);
  EXPECT_EQ(parsed.options.csv, c.csv);
  EXPECT_EQ(parsed.options.sort, c.sort);
}

constexpr auto run = SheetCommandLine::run;
const std::vector<int> all{100, 90, 80, 70, 60, 50};

INSTANTIATE_TEST_SUITE_P(
    Forms, AcceptedCommandLine,
    ::testing::Values(
        GoodCase{{}, run, 12, {100}, false, SheetSort::table},
        GoodCase{{"--rate", "7"}, run, 7, {100}, false, SheetSort::table},
        GoodCase{{"--rate=9999"}, run, 9999, {100}, false, SheetSort::table},
        GoodCase{{"--rate", "0"}, run, 0, {100}, false, SheetSort::table},
        GoodCase{{"--rate", "012"}, run, 12, {100}, false, SheetSort::table},
        GoodCase{{"--rate", "00000000000000000000009"}, run, 9, {100}, false, SheetSort::table},
        GoodCase{{"--level", "50"}, run, 12, {50}, false, SheetSort::table},
        GoodCase{{"--level=90"}, run, 12, {90}, false, SheetSort::table},
        GoodCase{{"--level", "all"}, run, 12, all, false, SheetSort::table},
        GoodCase{{"--csv"}, run, 12, {100}, true, SheetSort::table},
        GoodCase{{"--sort", "name"}, run, 12, {100}, false, SheetSort::name},
        GoodCase{{"--sort=ingots"}, run, 12, {100}, false, SheetSort::ingots},
        GoodCase{{"--sort", "price", "--csv", "--level", "all", "--rate", "3"}, run, 3, all, true, SheetSort::price},
        // The same choice twice is no conflict.
        GoodCase{{"--rate", "5", "--rate=05", "--csv", "--csv"}, run, 5, {100}, true, SheetSort::table},
        GoodCase{{"--help"}, SheetCommandLine::help, 12, {100}, false, SheetSort::table},
        GoodCase{{"-h", "--csv"}, SheetCommandLine::help, 12, {100}, true, SheetSort::table},
        GoodCase{{"--version"}, SheetCommandLine::version, 12, {100}, false, SheetSort::table}));

struct BadCase {
  std::vector<std::string> arguments;
  const char* problem;
};

void PrintTo(const BadCase& c, std::ostream* out) { *out << joined(c.arguments); }

class RefusedCommandLine : public ::testing::TestWithParam<BadCase> {};

TEST_P(RefusedCommandLine, NamesItsProblemOnOneLine) {
  const SheetCommandLine parsed = parseSheetCommandLine(GetParam().arguments);
  EXPECT_EQ(parsed.action, SheetCommandLine::error);
  EXPECT_EQ(parsed.problem, GetParam().problem);
}

// The bad arguments, with the problem each is reported as; the process tests run the same list.
INSTANTIATE_TEST_SUITE_P(
    Forms, RefusedCommandLine,
    ::testing::Values(
        BadCase{{"--bogus"}, "unknown option '--bogus'"}, BadCase{{"-r", "12"}, "unknown option '-r'"},
        BadCase{{"--rat=12"}, "unknown option '--rat'"}, BadCase{{"--"}, "unknown option '--'"},
        BadCase{{"12"}, "unexpected argument '12'"}, BadCase{{"-"}, "unexpected argument '-'"},
        BadCase{{"--rate", "12abc"}, "invalid value '12abc' for --rate: expected a whole number from 0 to 9999"},
        BadCase{{"--rate", ""}, "invalid value '' for --rate: expected a whole number from 0 to 9999"},
        BadCase{{"--rate="}, "invalid value '' for --rate: expected a whole number from 0 to 9999"},
        BadCase{{"--rate", "-1"}, "invalid value '-1' for --rate: expected a whole number from 0 to 9999"},
        BadCase{{"--rate", "+12"}, "invalid value '+12' for --rate: expected a whole number from 0 to 9999"},
        BadCase{{"--rate", " 12"}, "invalid value ' 12' for --rate: expected a whole number from 0 to 9999"},
        BadCase{{"--rate", "12.5"}, "invalid value '12.5' for --rate: expected a whole number from 0 to 9999"},
        BadCase{{"--rate", "10000"}, "invalid value '10000' for --rate: expected a whole number from 0 to 9999"},
        BadCase{{"--rate", "4294967308"},
                "invalid value '4294967308' for --rate: expected a whole number from 0 to 9999"},
        BadCase{{"--rate", "99999999999999999999999"},
                "invalid value '99999999999999999999999' for --rate: expected a whole number from 0 to 9999"},
        BadCase{{"--rate", "1\n2"}, "invalid value '1\\x0a2' for --rate: expected a whole number from 0 to 9999"},
        BadCase{{"--rate"}, "option '--rate' needs a value: a whole number from 0 to 9999"},
        BadCase{{"--rate", "--csv"}, "invalid value '--csv' for --rate: expected a whole number from 0 to 9999"},
        BadCase{{"--level", "95"}, "invalid value '95' for --level: expected 100, 90, 80, 70, 60, 50 or all"},
        BadCase{{"--level", "ALL"}, "invalid value 'ALL' for --level: expected 100, 90, 80, 70, 60, 50 or all"},
        BadCase{{"--level", "090"}, "invalid value '090' for --level: expected 100, 90, 80, 70, 60, 50 or all"},
        BadCase{{"--level"}, "option '--level' needs a value: 100, 90, 80, 70, 60, 50 or all"},
        BadCase{{"--sort", "cost"}, "invalid value 'cost' for --sort: expected name, ingots or price"},
        BadCase{{"--sort"}, "option '--sort' needs a value: name, ingots or price"},
        BadCase{{"--csv=yes"}, "option '--csv' takes no value"},
        BadCase{{"--help=1"}, "option '--help' takes no value"},
        BadCase{{"--rate", "5", "--rate", "6"}, "option '--rate' given twice, as '5' and '6'"},
        BadCase{{"--level", "all", "--level=50"}, "option '--level' given twice, as 'all' and '50'"},
        BadCase{{"--sort", "name", "--sort", "price"}, "option '--sort' given twice, as 'name' and 'price'"},
        // The first problem is the one reported, also when help was asked for.
        BadCase{{"--help", "--bogus", "--rate", "x"}, "unknown option '--bogus'"}));

TEST(SheetHelp, ShowsTheUsageAndEveryOption) {
  const std::string help = sheetHelp();
  EXPECT_TRUE(
      help.starts_with("Usage: quenchmark-sheet [--rate N] [--level 100|90|80|70|60|50|all] [--csv] "
                       "[--sort name|ingots|price]\n"));
  for (const char* option : {"--rate N", "--level L", "--csv", "--sort KEY", "-h, --help", "--version"})
    EXPECT_NE(help.find("\n  " + std::string(option) + " "), std::string::npos) << option;
}
}  // namespace
