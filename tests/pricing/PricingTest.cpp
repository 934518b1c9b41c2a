// The pricing core without a window: every figure a row shows at a level and Rate, and prices in the system locale.
#include "catalogue/ItemTableLoader.h"
#include "pricing/FormatAmount.h"
#include "pricing/ItemFigures.h"
#include "tests/support/Support.h"

namespace {
// An item, level and Rate, and every figure a row shows for it under en_US.
struct WorkedExample {
  const char* item;
  int level;  // as its command id
  int rate;
  const char* ingots;
  std::array<const char*, 5> rates;  // exec, norm, BA, fail, DOA as stored at the level
  const char* parts;                 // a suit's list of parts; empty for an item
  const char* ingotsRequired;
  const char* price;
};

constexpr const char* kChainmailParts = "Chainmail Leggings, Chainmail Tunic, Chainmail Coif";
constexpr const char* kRaiderParts =
    "Ringmail Gloves, Ringmail Leggings, Ringmail Sleeves, Ringmail Tunic, Plate Gorget, Close Helm";

// The first and last item rows, an item at levels whose columns lie apart, no exceptional chance, the lowest and
// highest Rate, and suits at another level and in the table's last row.
constexpr WorkedExample kWorkedExamples[] = {
    {"Axe", ID_SKILL_100, 12, "14", {"72", "28", "0", "0", "0"}, "", "16.13", "193.58"},
    {"Axe", ID_SKILL_80, 12, "14", {"32", "30", "30", "8", "0"}, "", "24.28", "291.32"},
    {"Female Plate", ID_SKILL_90, 7, "20", {"47", "30", "15", "8", "5.6"}, "", "28.45", "199.15"},
    {"Female Plate", ID_SKILL_70, 12, "20", {"9", "28", "14", "49", "5.9"}, "", "88.66", "1,063.95"},
    {"Female Plate", ID_SKILL_50, 12, "20", {"0", "8", "5", "87", "6.2"}, "", "0.00", "0"},
    {"Plate Breastpiece", ID_SKILL_100, 12, "25", {"4.5", "31.5", "17", "47", "6.3"}, "", "196.29", "2,355.45"},
    {"Plate Breastpiece", ID_SKILL_100, 9999, "25", {"4.5", "31.5", "17", "47", "6.3"}, "", "196.29", "1,962,678.71"},
    {"Plate Breastpiece", ID_SKILL_100, 0, "25", {"4.5", "31.5", "17", "47", "6.3"}, "", "196.29", "0"},
    {"War Mace", ID_SKILL_100, 12, "15", {"70", "30", "0", "0", "0"}, "", "17.52", "210.20"},
    {"*Chainmail", ID_SKILL_60, 12, "56", {"0", "0", "0", "0", "0"}, kChainmailParts, "56.00", "672.00"},
    {"*Raider Suit", ID_SKILL_100, 12, "89", {kRaiderParts, "0", "0", "0", "0"}, kRaiderParts, "89.00", "1,068.00"},
};

TEST(Pricing, GivesEveryFigureOfTheWorkedExamples) {
  ItemCatalogue table;
  loadItemTable(table);
  for (const WorkedExample& example : kWorkedExamples) {
    SCOPED_TRACE(std::string(example.item) + " at level " + std::to_string(skillLevelOf(example.level).level) +
                 ", Rate " + std::to_string(example.rate));
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

// Under en_US, the system locale of every test.
TEST(FormatAmount, WritesTwoDecimalsInTheSystemLocalesFormat) {
  const std::pair<double, const char*> amounts[] = {
      {1234567.891, "1,234,567.89"},
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

}  // namespace
