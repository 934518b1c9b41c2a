// Rows sorted by name, ingots and price: stable, ties in table order, prices as numbers.
#include "catalogue/ItemTableLoader.h"
#include "pricing/FormatAmount.h"
#include "sheet/PriceSheet.h"
#include "sheet/SheetCommand.h"
#include "tests/framework/TemporarySystemLocale.h"
#include "tests/sheet/CsvReader.h"
#include "tests/support/TableModule.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <sstream>

namespace {
std::vector<const SkillLevel*> allLevels() {
  std::vector<const SkillLevel*> levels;
  for (const SkillLevel& level : kSkillLevels) levels.push_back(&level);
  return levels;
}

PriceSheet carriedSheet(int rate) {
  ItemCatalogue catalogue;
  loadItemTable(catalogue);
  return makePriceSheet(catalogue, rate, allLevels());
}

std::vector<std::string> namesOf(const std::vector<const SheetRow*>& rows) {
  std::vector<std::string> names;
  for (const SheetRow* row : rows) names.push_back(row->name);
  return names;
}

struct SortCase {
  const char* label;
  SheetSort sort;
  int rate;
  std::function<double(const SheetRow&, std::size_t group)> key;  // null: by name
};

void PrintTo(const SortCase& c, std::ostream* out) { *out << c.label; }

class SortOrder : public ::testing::TestWithParam<SortCase> {};

// Every row once; keys never fall; rows with equal keys in table order.
TEST_P(SortOrder, IsAStableOrderOfEveryRowAtEveryLevel) {
  const SortCase& c = GetParam();
  const PriceSheet sheet = carriedSheet(c.rate);
  for (std::size_t group = 0; group < sheet.levels.size(); ++group) {
    const auto rows = sortedRows(sheet, c.sort, group);
    ASSERT_EQ(rows.size(), sheet.rows.size());
    std::vector<bool> seen(rows.size());
    for (const SheetRow* row : rows) seen.at(static_cast<std::size_t>(row->row)) = true;
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), static_cast<long>(rows.size()));
    for (std::size_t i = 1; i < rows.size(); ++i) {
      const SheetRow& before = *rows[i - 1];
      const SheetRow& after = *rows[i];
      const bool tie = c.key ? c.key(before, group) == c.key(after, group) : before.name == after.name;
      const bool rising = c.key ? c.key(before, group) < c.key(after, group) : before.name < after.name;
      EXPECT_TRUE(rising || (tie && before.row < after.row))
          << before.name << " before " << after.name << " at level " << sheet.levels[group]->level;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SortOrder,
    ::testing::Values(SortCase{"name", SheetSort::name, 12, nullptr},
                      SortCase{"ingots", SheetSort::ingots, 12,
                               [](const SheetRow& row, std::size_t) { return std::atof(row.ingots.c_str()); }},
                      SortCase{"price", SheetSort::price, 12,
                               [](const SheetRow& row, std::size_t group) { return row.figures[group].price; }},
                      SortCase{"price at Rate 0", SheetSort::price, 0,
                               [](const SheetRow& row, std::size_t group) { return row.figures[group].price; }},
                      SortCase{"table", SheetSort::table, 12,
                               [](const SheetRow& row, std::size_t) { return double(row.row); }}));

TEST(SortExamples, TiesKeepTheTableOrder) {
  const PriceSheet sheet = carriedSheet(12);
  const auto byIngots = namesOf(sortedRows(sheet, SheetSort::ingots, 0));
  EXPECT_EQ(std::vector<std::string>(byIngots.begin(), byIngots.begin() + 7),
            (std::vector<std::string>{"Dagger", "Chainmail Coif", "Kite (Wooden)", "Kryss", "Mace", "Short Spear",
                                      "Plate Gorget"}));
  EXPECT_EQ(byIngots.back(), "*Full Plate");
  // Three items of the same figure at level 100, and so of the same price.
  const auto byPrice = namesOf(sortedRows(sheet, SheetSort::price, 0));
  EXPECT_EQ(std::vector<std::string>(byPrice.begin(), byPrice.begin() + 5),
            (std::vector<std::string>{"Dagger", "Kite (Wooden)", "Kryss", "Mace", "Short Spear"}));
  // At Rate 0 every price is 0: the table's order throughout.
  const PriceSheet free = carriedSheet(0);
  EXPECT_EQ(namesOf(sortedRows(free, SheetSort::price, 2)), namesOf(sortedRows(free, SheetSort::table, 2)));
  const auto byName = namesOf(sortedRows(sheet, SheetSort::name, 0));
  EXPECT_EQ(byName.front(), "*Bastard Combo");
  EXPECT_EQ(byName.back(), "War Mace");
}

class SortedOutput : public ::testing::Test {
protected:
  void SetUp() override {
    m_system.setLang("en_US.UTF-8");
    FormatNumberText(nullptr, true);
  }
  std::string run(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    EXPECT_EQ(runSheet(arguments, out, err), kSheetPrinted) << err.str();
    return out.str();
  }

private:
  TemporarySystemLocale m_system;
};

// Prices of 1,000 and more would come before 2.00 if they were ordered as the text shows them.
TEST_F(SortedOutput, PricesSortAsNumbersNotAsText) {
  // Every one exceptional at every attempt: the figure is the ingots, the price twelve times that.
  std::string table;
  for (const char* row : {"Dear\t100", "Cheap\t2", "Middling\t20"}) {
    table += row;
    for (int column = 2; column < 38; ++column) table += column == 7 ? "\t100" : "\t0";
    table += "\r\n";
  }
  const TableModule module(table);
  const ScopedResourceHandle handle(&module);
  const std::string text = run({"--sort", "price"});
  const std::size_t cheap = text.find("Cheap"), middling = text.find("Middling"), dear = text.find("Dear");
  EXPECT_LT(cheap, middling);
  EXPECT_LT(middling, dear);
  EXPECT_NE(text.find("1,200.00"), std::string::npos) << text;

  const auto records = readCsv(run({"--csv", "--sort", "price"}));
  ASSERT_TRUE(records);
  ASSERT_EQ(records->size(), 4u);
  EXPECT_EQ(records->at(1).at(0), "Cheap");
  EXPECT_EQ(records->at(3).at(0), "Dear");
}

TEST_F(SortedOutput, EachTextBlockIsSortedByItsOwnLevelAndCsvByTheFirst) {
  const std::string text = run({"--level", "all", "--sort", "price"});
  const PriceSheet sheet = carriedSheet(12);
  std::size_t from = 0;
  for (std::size_t group = 0; group < sheet.levels.size(); ++group) {
    from = text.find("Skill " + std::to_string(sheet.levels[group]->level) + ",", from);
    ASSERT_NE(from, std::string::npos);
    const std::size_t end = text.find("\nSkill ", from);
    std::size_t at = from;
    for (const SheetRow* row : sortedRows(sheet, SheetSort::price, group)) {
      const std::size_t next = text.find("\n" + row->name + " ", at);
      ASSERT_LT(next, end) << row->name << " at level " << sheet.levels[group]->level;
      at = next + 1;
    }
  }
  const auto records = readCsv(run({"--csv", "--level", "all", "--sort", "price"}));
  ASSERT_TRUE(records);
  const auto rows = sortedRows(sheet, SheetSort::price, 0);
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(records->at(i + 1).at(0), rows[i]->name);
}
}  // namespace
