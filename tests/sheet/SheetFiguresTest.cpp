// The sheet's figures are the window's: every row at every level and several Rates under several system
// locales, the worked examples, and an item without ingots warned about on the error stream.
#include "catalogue/ItemTableLoader.h"
#include "pricing/FormatAmount.h"
#include "sheet/PriceSheet.h"
#include "sheet/SheetCommand.h"
#include "tests/framework/TemporarySystemLocale.h"
#include "tests/support/PricedWindow.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace {
const int kRateControls[kRateFieldCount] = {IDC_EXEC_RATE, IDC_NORM_RATE, IDC_BA_RATE, IDC_FAIL_RATE, IDC_DOA};

std::vector<const SkillLevel*> allLevels() {
  std::vector<const SkillLevel*> levels;
  for (const SkillLevel& level : kSkillLevels) levels.push_back(&level);
  return levels;
}

const SkillLevel& levelOf(int level) {
  for (const SkillLevel& candidate : kSkillLevels)
    if (candidate.level == level) return candidate;
  throw std::invalid_argument("no such level");
}

ItemCatalogue carriedCatalogue() {
  ItemCatalogue catalogue;
  loadItemTable(catalogue);
  return catalogue;
}

const SheetRow& rowNamed(const PriceSheet& sheet, const char* name) {
  for (const SheetRow& row : sheet.rows)
    if (row.name == name) return row;
  throw std::invalid_argument(name);
}

class SheetPricing : public PricedWindow {
protected:
  void useSystemLocale(const std::string& posixName) {
    m_system.setLang(posixName);
    FormatNumberText(nullptr, true);
  }

private:
  TemporarySystemLocale m_system;
};

class SheetAgainstWindow : public SheetPricing, public ::testing::WithParamInterface<const char*> {};

TEST_P(SheetAgainstWindow, EveryRowAtEveryLevelAndRateShowsWhatTheWindowShows) {
  useSystemLocale(GetParam());
  open();
  const ItemCatalogue catalogue = carriedCatalogue();
  ASSERT_EQ(catalogue.m_arrItem.GetSize(), itemList()->count());
  for (const int rate : {12, 7, 0, 1, 9999}) {
    const PriceSheet sheet = makePriceSheet(catalogue, rate, allLevels());
    rateEdit()->setText(QString::number(rate));
    for (const SheetRow& row : sheet.rows) {
      itemList()->setCurrentIndex(row.row);
      for (std::size_t group = 0; group < sheet.levels.size(); ++group) {
        dlg.m_nLevel = sheet.levels[group]->commandId;
        dlg.OnSelchangeItem();
        const SheetFigures& figures = row.figures[group];
        const auto where = [&] {
          return row.name + " at " + std::to_string(sheet.levels[group]->level) + ", Rate " + std::to_string(rate);
        };
        EXPECT_EQ(shown(IDC_IGTS_REQ2).toStdString(), figures.ingotsRequiredText) << where();
        EXPECT_EQ(shown(IDC_PRICE).toStdString(), figures.priceText) << where();
        EXPECT_EQ(shown(IDC_INGOTS).toStdString(), row.ingots) << where();
        EXPECT_EQ(row.isSuit, visible(IDC_SET_CONTENTS)) << where();
        if (row.isSuit) {
          EXPECT_EQ(shown(IDC_SET_CONTENTS).toStdString(), row.parts) << where();
        } else {
          for (int field = 0; field < kRateFieldCount; ++field)
            EXPECT_EQ(shown(kRateControls[field]).toStdString(), figures.rates[field])
                << where() << ", field " << field;
        }
      }
    }
  }
  EXPECT_TRUE(messages.empty());
}

// Group separators of one byte, of a dot, and of a narrow no-break space.
INSTANTIATE_TEST_SUITE_P(SystemLocales, SheetAgainstWindow,
                         ::testing::Values("en_US.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "C"));

struct WorkedExample {
  const char* item;
  int level;
  int rate;
  const char* ingotsRequired;
  const char* price;
};

void PrintTo(const WorkedExample& c, std::ostream* out) { *out << c.item << " at " << c.level << ", Rate " << c.rate; }

class SheetWorkedExamples : public SheetPricing, public ::testing::WithParamInterface<WorkedExample> {};

TEST_P(SheetWorkedExamples, GiveTheirFigures) {
  const WorkedExample& c = GetParam();
  useSystemLocale("en_US.UTF-8");
  const PriceSheet sheet = makePriceSheet(carriedCatalogue(), c.rate, {&levelOf(c.level)});
  const SheetRow& row = rowNamed(sheet, c.item);
  EXPECT_EQ(row.figures.at(0).ingotsRequiredText, c.ingotsRequired);
  EXPECT_EQ(row.figures.at(0).priceText, c.price);
  EXPECT_FALSE(row.invalidIngots);
}

INSTANTIATE_TEST_SUITE_P(CarriedTable, SheetWorkedExamples,
                         ::testing::Values(WorkedExample{"Axe", 100, 12, "16.13", "193.58"},
                                           WorkedExample{"Female Plate", 90, 7, "28.45", "199.15"},
                                           WorkedExample{"Plate Breastpiece", 100, 12, "196.29", "2,355.45"},
                                           WorkedExample{"Axe", 50, 12, "0.00", "0"},
                                           WorkedExample{"*Chainmail", 100, 12, "56.00", "672.00"},
                                           WorkedExample{"*Chainmail", 60, 12, "56.00", "672.00"},
                                           WorkedExample{"Axe", 100, 0, "16.13", "0"},
                                           WorkedExample{"Plate Breastpiece", 100, 9999, "196.29", "1,962,678.71"}));

TEST_F(SheetPricing, ASuitShowsItsPartsAndNoRatesAtEveryLevel) {
  const PriceSheet sheet = makePriceSheet(carriedCatalogue(), 12, allLevels());
  const SheetRow& suit = rowNamed(sheet, "*Chainmail");
  EXPECT_TRUE(suit.isSuit);
  EXPECT_EQ(suit.parts, "Chainmail Leggings, Chainmail Tunic, Chainmail Coif");
  for (const SheetFigures& figures : suit.figures)
    for (const CString& rate : figures.rates) EXPECT_EQ(rate, "");
  EXPECT_EQ(rowNamed(sheet, "Axe").parts, "");
}

TEST_F(SheetPricing, AnItemWithoutIngotsIsWarnedAboutOnTheErrorStreamAndPricedAtNothing) {
  const std::string table =
      tableRow("Cracked Mould", "none") + tableRow("Axe", "14", "72") + tableRow("*Empty Suit", "0", "Axe");
  // The window, on the same table, reports it in a message box.
  open(table);
  choose("Cracked Mould");
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.front(), "Invalid value entered for Ingots");
  const std::string windowFigure = shown(IDC_IGTS_REQ2).toStdString();
  const std::string windowPrice = shown(IDC_PRICE).toStdString();
  messages.clear();

  const TableModule module(table);
  const ScopedResourceHandle handle(&module);
  std::ostringstream out, err;
  EXPECT_EQ(runSheet({"--csv"}, out, err), kSheetPrinted);
  EXPECT_TRUE(messages.empty()) << "no message box";
  EXPECT_EQ(err.str(),
            "quenchmark-sheet: warning: Cracked Mould: Invalid value entered for Ingots (\"none\"); "
            "its figures are 0.00\n");
  EXPECT_NE(out.str().find("\r\nCracked Mould,none,50,0,0,0,0,0.00,0.00,\r\n"), std::string::npos) << out.str();
  EXPECT_EQ(windowFigure, "0.00");
  EXPECT_EQ(windowPrice, "0");
  // A suit with a total of 0 is no invalid item: the window says nothing about it either.
  EXPECT_NE(out.str().find("\r\n*Empty Suit,0,,,,,,0.00,0.00,Axe\r\n"), std::string::npos) << out.str();
}

TEST_F(SheetPricing, AnItemWithoutIngotsIsWarnedAboutOnceForAllLevels) {
  const TableModule module(tableRow("Cracked Mould", "0"));
  const ScopedResourceHandle handle(&module);
  std::ostringstream out, err;
  EXPECT_EQ(runSheet({"--level", "all"}, out, err), kSheetPrinted);
  const std::string warnings = err.str();
  EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 1) << warnings;
}

// A table whose bytes cannot be had, as a damaged executable would give.
class MissingBytesModule : public CResourceModule {
public:
  ResourceBytes find(int, int) const override { return {nullptr, 100}; }
};

TEST_F(SheetPricing, ATableThatCannotBeReadIsReportedOnTheErrorStreamAndPrintsNothing) {
  const MissingBytesModule module;
  const ScopedResourceHandle handle(&module);
  std::ostringstream out, err;
  EXPECT_EQ(runSheet({}, out, err), kSheetFailed);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), "quenchmark-sheet: Data File could not be opened.  (error = 1)\n");
  EXPECT_TRUE(messages.empty()) << "no message box";
}

TEST_F(SheetPricing, ATableWithoutRowsIsReported) {
  const TableModule module(std::string(";Item\r\n"));
  const ScopedResourceHandle handle(&module);
  std::ostringstream out, err;
  EXPECT_EQ(runSheet({"--csv"}, out, err), kSheetFailed);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), "quenchmark-sheet: the item table holds no items\n");
}
}  // namespace
