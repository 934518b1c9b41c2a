// CSV fields and the CSV sheet as a strict reader reads them back: quoting, column groups, plain numbers.
#include "catalogue/ItemTableLoader.h"
#include "pricing/FormatAmount.h"
#include "sheet/Csv.h"
#include "sheet/PriceSheet.h"
#include "sheet/SheetCommand.h"
#include "tests/framework/TemporarySystemLocale.h"
#include "tests/sheet/CsvReader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
struct FieldCase {
  const char* text;
  const char* written;
};

class CsvFieldQuoting : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CsvFieldQuoting, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(csvField(GetParam().text), GetParam().written);
  const auto records = readCsv(csvField(GetParam().text) + "\r\n");
  ASSERT_TRUE(records);
  EXPECT_EQ(*records, (std::vector<CsvRecord>{{GetParam().text}}));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CsvFieldQuoting,
    ::testing::Values(FieldCase{"Axe", "Axe"}, FieldCase{"Executioner's Axe", "Executioner's Axe"}, FieldCase{"", ""},
                      FieldCase{"196.29", "196.29"},
                      FieldCase{"Chainmail Leggings, Chainmail Tunic", "\"Chainmail Leggings, Chainmail Tunic\""},
                      FieldCase{"The \"Maul\"", "\"The \"\"Maul\"\"\""}, FieldCase{"\"", "\"\"\"\""},
                      FieldCase{"two\r\nlines", "\"two\r\nlines\""}, FieldCase{"cr\r", "\"cr\r\""},
                      FieldCase{"lf\n", "\"lf\n\""}, FieldCase{" blank first", "\" blank first\""},
                      FieldCase{"blank last ", "\"blank last \""}, FieldCase{"   ", "\"   \""},
                      FieldCase{"Kite (Metal)", "Kite (Metal)"}));

TEST(CsvRecordWriting, SeparatesWithCommasAndEndsWithCrLf) {
  std::ostringstream out;
  writeCsvRecord(out, {"a", "b,c", ""});
  writeCsvRecord(out, {""});
  EXPECT_EQ(out.str(), "a,\"b,c\",\r\n\r\n");
}

class CsvSheet : public ::testing::Test {
protected:
  std::vector<CsvRecord> read(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    EXPECT_EQ(runSheet(arguments, out, err), kSheetPrinted);
    EXPECT_EQ(err.str(), "");
    const auto records = readCsv(out.str());
    EXPECT_TRUE(records) << out.str();
    return records.value_or(std::vector<CsvRecord>{});
  }
  void useSystemLocale(const std::string& posixName) {
    m_system.setLang(posixName);
    FormatNumberText(nullptr, true);
  }

private:
  TemporarySystemLocale m_system;
};

TEST_F(CsvSheet, OneLevelReadsBackRowForRowWithPlainNumbers) {
  // Grouped prices with "." for thousands would be misread by a spreadsheet: CSV numbers stay plain.
  useSystemLocale("de_DE.UTF-8");
  const auto records = read({"--csv"});
  ASSERT_EQ(records.size(), 59u);
  EXPECT_EQ(records[0], (CsvRecord{"Item", "Ingots", "Exec Rate (Skill 100)", "Norm Rate (Skill 100)",
                                   "BA Rate (Skill 100)", "Fail Rate (Skill 100)", "DOA (Skill 100)",
                                   "Ingots Required (Skill 100)", "Price (Skill 100)", "Set Contents"}));
  const CsvRecord row0{"Axe", "14", "72", "28", "0", "0", "0", "16.13", "193.58", ""};
  EXPECT_EQ(records[1], row0);
  const auto named = [&](const std::string& name) {
    for (const CsvRecord& record : records)
      if (record.at(0) == name) return record;
    return CsvRecord{};
  };
  EXPECT_EQ(named("Executioner's Axe").size(), 10u);
  EXPECT_EQ(named("Plate Breastpiece"),
            (CsvRecord{"Plate Breastpiece", "25", "4.5", "31.5", "17", "47", "6.3", "196.29", "2355.45", ""}));
  EXPECT_EQ(named("*Chainmail"), (CsvRecord{"*Chainmail", "56", "", "", "", "", "", "56.00", "672.00",
                                            "Chainmail Leggings, Chainmail Tunic, Chainmail Coif"}));
  for (const CsvRecord& record : records) EXPECT_EQ(record.size(), 10u) << record.at(0);
}

TEST_F(CsvSheet, AllLevelsGiveOneGroupOfColumnsForEachLevelWithTheSheetsFigures) {
  useSystemLocale("fr_FR.UTF-8");
  const auto records = read({"--csv", "--level", "all", "--rate", "9999"});
  ASSERT_EQ(records.size(), 59u);
  const std::size_t fields = 2 + 7 * kSkillLevels.size() + 1;
  ASSERT_EQ(records[0].size(), fields);
  EXPECT_EQ(records[0][2 + 7 * 3 + 5], "Ingots Required (Skill 70)");
  EXPECT_EQ(records[0].back(), "Set Contents");

  ItemCatalogue catalogue;
  loadItemTable(catalogue);
  std::vector<const SkillLevel*> levels;
  for (const SkillLevel& level : kSkillLevels) levels.push_back(&level);
  const PriceSheet sheet = makePriceSheet(catalogue, 9999, levels);
  for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
    const CsvRecord& record = records.at(r + 1);
    const SheetRow& row = sheet.rows[r];
    ASSERT_EQ(record.size(), fields) << row.name;
    EXPECT_EQ(record[0], row.name);
    EXPECT_EQ(record[1], row.ingots);
    for (std::size_t group = 0; group < levels.size(); ++group) {
      const std::size_t at = 2 + 7 * group;
      for (int field = 0; field < kRateFieldCount; ++field)
        EXPECT_EQ(record[at + field], row.figures[group].rates[field]) << row.name;
      EXPECT_EQ(record[at + 5], row.figures[group].ingotsRequiredText) << row.name;
      char price[64];
      std::snprintf(price, sizeof price, "%.2f", row.figures[group].price);
      EXPECT_EQ(record[at + 6], price) << row.name;
    }
    EXPECT_EQ(record.back(), row.parts);
  }
  EXPECT_EQ(records[32][2 + 6], "1962678.71") << "Plate Breastpiece at 100 and Rate 9999";
}
}  // namespace
