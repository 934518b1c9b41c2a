// The pricing core without a window: every figure a row shows at a level and Rate, and prices in the system locale.
#include "catalogue/ItemTableLoader.h"
#include "pricing/FormatAmount.h"
#include "pricing/ItemFigures.h"
#include "tests/support/Support.h"
#include "tests/support/WorkedExamples.h"

namespace {
TEST(Pricing, GivesEveryFigureOfTheWorkedExamples) {
  ItemCatalogue table;
  loadItemTable(table);
  for (const WorkedExample& example : kWorkedExamples) {
    SCOPED_TRACE(nameOf(example));
    int row = 0;
    while (row < table.m_arrItem.GetSize() - 1 && table.m_arrItem.GetAt(row) != example.item)
      ++row;
    const ItemFigures figures = figuresAt(table, row, skillLevelOf(example.level), example.rate);
    EXPECT_EQ(figures.texts.name, example.item);
    EXPECT_EQ(figures.texts.ingots, example.ingots);
    for (int field = 0; field < kRateFieldCount; ++field)
      EXPECT_EQ(figures.texts.rates[field], example.rates[field]) << kRateCaptions[field];
    EXPECT_EQ(figures.setContents, example.parts);
    EXPECT_EQ(figures.calculation.ingotsRequiredText, example.ingotsRequired);
    EXPECT_EQ(figures.calculation.priceText, example.price);
  }
}

TEST(Pricing, FollowsTheIngotsAndTheNameOfARow) {
  const struct {
    const char* name;
    ItemTexts texts;
    bool invalidIngots;
    const char* ingotsRequired;
    const char* price;  // at a Rate of 12
  } cases[] = {
      {"ingots not a number", {"Cracked Mould", "none", {"72", "28", "0", "0", "0"}}, true, "0.00", "0"},
      {"no ingots", {"Cracked Mould", "", {"72", "28", "0", "0", "0"}}, true, "0.00", "0"},
      {"ingots below one", {"Sliver", "0.9", {"72", "28", "0", "0", "0"}}, true, "0.00", "0"},
      {"a fraction of ingots dropped", {"Axe", "14.9", {"72", "28", "0", "0", "0"}}, false, "16.13", "193.58"},
      {"exceptional rate not a number", {"Axe", "14", {"n/a", "28", "0", "0", "0"}}, false, "0.00", "0"},
      {"a suit's total keeps its decimals", {"*Set", "56.5", {"", "", "", "", ""}}, false, "56.50", "678.00"},
      {"a suit without ingots", {"*Set", "", {"", "", "", "", ""}}, false, "0.00", "0"},
      {"a star not first is no suit", {" *Axe", "14", {"72", "28", "0", "0", "0"}}, false, "16.13", "193.58"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Calculation calculation = calculate(c.texts, 12);
    EXPECT_EQ(calculation.invalidIngots, c.invalidIngots);
    EXPECT_EQ(calculation.ingotsRequiredText, c.ingotsRequired);
    EXPECT_EQ(calculation.priceText, c.price);
  }
}

// Under en_US, the system locale of every test.
TEST(FormatAmount, WritesTwoDecimalsInTheSystemLocalesFormat) {
  const std::pair<double, const char*> amounts[] = {
      {1234.5, "1,234.50"},
      {1234567.891, "1,234,567.89"},
      {12, "12.00"},
      {999.999, "1,000.00"},
      {-1234.5, "-1,234.50"},
      {0.999, "1.00"},
      {0.75, "0"},
      {0, "0"},
      {-0.5, "0"},
      {4294967296.0, "4,294,967,296.00"},
      {1e300 * 1e10, "0"},
  };
  for (const auto& [amount, text] : amounts)
    EXPECT_EQ(FormatAmount(amount), text) << amount;
}

TEST(FormatAmount, KeepsTheLocaleItReadFirstForTheWholeRun) {
  EXPECT_EQ(FormatAmount(1), "1.00");
  const SystemLocale german("LANG=de_DE.UTF-8\n");
  EXPECT_EQ(FormatAmount(1234.5), "1,234.50");
}

TEST(FormatNumberText, GivesNothingForAnUnfitTextAndZeroForNone) {
  EXPECT_EQ(FormatNumberText("1.234"), "");
  EXPECT_EQ(FormatNumberText(nullptr), "0");
}
}  // namespace
