// The pricing core without a window: every figure a row shows at a level and Rate, and prices in the system locale.
#include "catalogue/ItemTableLoader.h"
#include "pricing/FormatAmount.h"
#include "pricing/ItemFigures.h"
#include "tests/support/Support.h"
#include "tests/support/WorkedExamples.h"

namespace {
const ItemCatalogue& carriedTable() {
  static const ItemCatalogue catalogue = [] {
    ItemCatalogue loaded;
    loadItemTable(loaded);
    return loaded;
  }();
  return catalogue;
}

int rowOf(const char* item) {
  const CStringArray& names = carriedTable().m_arrItem;
  for (int row = 0; row < names.GetSize(); ++row)
    if (names.GetAt(row) == item)
      return row;
  ADD_FAILURE() << item << " is not in the table";
  return 0;
}

TEST(Pricing, GivesEveryFigureOfTheWorkedExamples) {
  for (const WorkedExample& example : kWorkedExamples) {
    SCOPED_TRACE(nameOf(example));
    const ItemFigures figures =
        figuresAt(carriedTable(), rowOf(example.item), skillLevelOf(example.level), example.rate);
    EXPECT_EQ(figures.texts.name, example.item);
    EXPECT_EQ(figures.texts.ingots, example.ingots);
    for (int field = 0; field < kRateFieldCount; ++field)
      EXPECT_EQ(figures.texts.rates[field], example.rates[field]) << kRateCaptions[field];
    EXPECT_EQ(figures.setContents, example.parts);
    EXPECT_EQ(figures.calculation.ingotsRequiredText, example.ingotsRequired);
    EXPECT_EQ(figures.calculation.priceText, example.price);
  }
}

TEST(Calculation, FollowsTheIngotsAndTheName) {
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
  const struct {
    const char* name;
    double amount;
    const char* text;
  } cases[] = {
      {"thousands", 1234.5, "1,234.50"},
      {"millions", 1234567.891, "1,234,567.89"},
      {"whole", 12, "12.00"},
      {"rounded up to a thousand", 999.999, "1,000.00"},
      {"negative", -1234.5, "-1,234.50"},
      {"rounded up to one", 0.999, "1.00"},
      {"below one", 0.75, "0"},
      {"zero", 0, "0"},
      {"negative below one", -0.5, "0"},
      {"beyond an int", 4294967296.0, "4,294,967,296.00"},
      {"infinite", 1e300 * 1e10, "0"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatAmount(c.amount), c.text) << c.name;
}

TEST(FormatNumberText, RejectsWhatIsNoPlainDecimalNumber) {
  const std::pair<const char*, const char*> texts[] = {{"12.", "12.00"}, {"1.234", ""}, {nullptr, "0"}};
  for (const auto& [text, formatted] : texts)
    EXPECT_EQ(FormatNumberText(text), formatted) << (text ? text : "null");
}

TEST(FormatAmount, KeepsTheLocaleItReadFirstForTheWholeRun) {
  EXPECT_EQ(FormatAmount(1), "1.00");
  const SystemLocale german("LANG=de_DE.UTF-8\n");
  EXPECT_EQ(FormatAmount(1234.5), "1,234.50");
}
}  // namespace
