// The terminal layout: widths of UTF-8 text, padded columns, and the sheet aligned under any system locale.
#include "pricing/FormatAmount.h"
#include "pricing/SkillLevels.h"
#include "sheet/SheetCommand.h"
#include "sheet/TextTable.h"
#include "tests/framework/TemporarySystemLocale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace {
struct WidthCase {
  const char* text;
  int width;
};

void PrintTo(const WidthCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class DisplayWidth : public ::testing::TestWithParam<WidthCase> {};

TEST_P(DisplayWidth, CountsTerminalCells) { EXPECT_EQ(displayWidth(GetParam().text), GetParam().width); }

INSTANTIATE_TEST_SUITE_P(Texts, DisplayWidth,
                         ::testing::Values(WidthCase{"", 0}, WidthCase{"Axe", 3}, WidthCase{"1\u202F234,50", 8},
                                           WidthCase{"1\u00A0234,50", 8}, WidthCase{"1\u2019234.50", 8},
                                           WidthCase{"caf\u00E9", 4}, WidthCase{"cafe\u0301", 4},
                                           WidthCase{"a\u200Bb", 2}, WidthCase{"\u6F22\u5B57", 4}, WidthCase{"\xFF", 1},
                                           WidthCase{"a\xC3", 2}));

TEST(TextTableLayout, PadsByCellsAndTrimsLineEnds) {
  TextTable table({Alignment::left, Alignment::right, Alignment::left});
  const std::vector<CString> rows[] = {
      {"Item", "Price", "Set"}, {"Axe", "1\u202F234,50", ""}, {"Long Sword", "12,00", "a, b"}};
  for (const auto& row : rows) table.fit(row);
  std::ostringstream out;
  for (const auto& row : rows) table.write(out, row);
  EXPECT_EQ(out.str(),
            "Item           Price  Set\n"
            "Axe         1\u202F234,50\n"
            "Long Sword     12,00  a, b\n");
}

class TextSheet : public ::testing::TestWithParam<const char*> {
protected:
  std::string run(const std::vector<std::string>& arguments) {
    m_system.setLang(GetParam());
    FormatNumberText(nullptr, true);
    std::ostringstream out, err;
    EXPECT_EQ(runSheet(arguments, out, err), kSheetPrinted) << err.str();
    EXPECT_EQ(err.str(), "");
    return out.str();
  }

private:
  TemporarySystemLocale m_system;
};

// Every line of the table, up to the end of its price, takes the same cells on screen: the right edges of
// the figures line up, whatever bytes the locale's separators take. Blocks of all levels line up too.
TEST_P(TextSheet, PricesLineUpOnScreen) {
  const std::string text = run({"--level", "all", "--rate", "9999"});
  std::istringstream lines(text);
  std::set<int> priceEnds;
  int tableLines = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line.starts_with("Skill ") || line.starts_with("Item ")) continue;
    // The price is the line's last figure; only a suit's list of parts, two blanks on, follows it.
    const std::string upToPrice = line.substr(0, line.find("  ", line.find_last_of("0123456789")));
    priceEnds.insert(displayWidth(upToPrice));
    ++tableLines;
    EXPECT_NE(line.back(), ' ') << line;
  }
  EXPECT_EQ(tableLines, 58 * 6);
  EXPECT_EQ(priceEnds.size(), 1u) << text;
}

TEST_P(TextSheet, EachLevelHasItsHeadingHeaderAndEveryRow) {
  const std::string text = run({"--level", "all"});
  std::size_t from = 0;
  for (const SkillLevel& level : kSkillLevels) {
    from = text.find("Skill " + std::to_string(level.level) + ", Rate 12\nItem ", from);
    ASSERT_NE(from, std::string::npos) << level.level;
    const std::size_t end = text.find("\n\n", from);
    const std::string block = text.substr(from, end == std::string::npos ? std::string::npos : end - from + 1);
    EXPECT_EQ(std::count(block.begin(), block.end(), '\n'), 2 + 58) << level.level;
    ++from;
  }
  EXPECT_EQ(run({}).find("Skill 100, Rate 12\nItem "), 0u);
  EXPECT_EQ(run({"--level", "70"}).find("Skill 70, Rate 12\nItem "), 0u);
}

INSTANTIATE_TEST_SUITE_P(SystemLocales, TextSheet, ::testing::Values("en_US.UTF-8", "fr_FR.UTF-8", "de_CH.UTF-8"));

TEST(TextSheetFigures, ShowTheStoredFiguresAndThePartsOfSuits) {
  TemporarySystemLocale system;
  system.setLang("en_US.UTF-8");
  FormatNumberText(nullptr, true);
  std::ostringstream out, err;
  ASSERT_EQ(runSheet({}, out, err), kSheetPrinted);
  const std::string text = out.str();
  EXPECT_NE(
      text.find(
          "\nPlate Breastpiece       25        4.5       31.5       17         47  6.3           196.29  2,355.45\n"),
      std::string::npos)
      << text;
  EXPECT_NE(
      text.find(
          "\n*Chainmail              56                                                           56.00    672.00  "
          "Chainmail Leggings, Chainmail Tunic, Chainmail Coif\n"),
      std::string::npos)
      << text;
}
}  // namespace
