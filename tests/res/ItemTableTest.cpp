// The item table the program carries, read as compiled in: its bytes, its fixed rows and the rules its figures keep.
#include "framework/Resources.h"
#include "pricing/IngotsRequired.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {
using Row = std::vector<std::string>;

constexpr int kItemRows = 49;
constexpr int kLevels = 6;
// First column of each skill level's group (100, 90, 80, 70, 60, 50): exceptional, average, below, fail, DOA.
constexpr std::array<int, kLevels> kGroupStart{7, 13, 18, 23, 28, 33};
constexpr std::array<int, kLevels> kSkill{100, 90, 80, 70, 60, 50};

std::string_view carriedBytes() {
  const ResourceBytes table = FindResourceBytes(AfxGetResourceHandle(), IDR_ITEM_TABLE, RT_HTML);
  return {table.data, table.size};
}

Row split(std::string_view text, std::string_view separator) {
  Row parts;
  for (;;) {
    const auto at = text.find(separator);
    parts.emplace_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + separator.size());
  }
}

Row words(const std::string& text) {
  std::istringstream in(text);
  Row out;
  for (std::string word; in >> word;) out.push_back(word);
  return out;
}

// The lines without their CR LF; the bytes themselves are checked by the Bytes tests.
std::vector<std::string> tableLines() {
  std::string_view bytes = carriedBytes();
  if (bytes.ends_with("\r\n")) bytes.remove_suffix(2);
  return split(bytes, "\r\n");
}

std::vector<Row> dataRows() {
  std::vector<Row> rows;
  for (const std::string& line : tableLines())
    if (!line.starts_with(';')) rows.push_back(split(line, "\t"));
  return rows;
}

const std::vector<Row>& rows() {
  static const std::vector<Row> parsed = dataRows();
  return parsed;
}

std::vector<Row> itemRows() { return {rows().begin(), rows().begin() + std::min<int>(kItemRows, rows().size())}; }

const Row& rowNamed(const std::string& name) {
  const auto it = std::find_if(rows().begin(), rows().end(), [&](const Row& r) { return r.at(0) == name; });
  if (it == rows().end()) throw std::runtime_error("no row " + name);
  return *it;
}

double required(const Row& r) {
  return ingotsRequired(std::atoi(r.at(1).c_str()), r.at(7).c_str(), r.at(8).c_str(), r.at(9).c_str(),
                        r.at(10).c_str(), r.at(11).c_str());
}

std::array<double, 5> group(const Row& r, int level) {
  std::array<double, 5> g{};
  for (int i = 0; i < 5; ++i) g[i] = std::atof(r.at(kGroupStart[level] + i).c_str());
  return g;
}

bool allZero(const Row& r, int level) {
  for (int i = 0; i < 5; ++i)
    if (r.at(kGroupStart[level] + i) != "0") return false;
  return true;
}

double percentSum(const Row& r, int level) {
  const auto g = group(r, level);
  return g[0] + g[1] + g[2] + g[3];
}

const std::array<const char*, 38> kHeader{
    "Item",     "Ingots",  "Sell",    "Buy",     "$/ingot", "Rate",     "Total2",  "Exc. Rate", "Norm Rate", "BA Rate",
    "Fail Rate", "DOA",    "Igts Req2", "Ex 90", "Avg 90",  "Bel 90",   "Fail 90", "DOA 90",    "Ex 80",     "Avg 80",
    "Bel 80",   "Fail 80", "DOA80",   "Ex 70",   "Avg 70",  "Below 70", "Fail 70", "DOA70",     "Ex 60",     "Avg 60",
    "Bel 60",   "Fails 60", "DOA60",  "Ex 50",   "Avg 50",  "Bel 50",   "Fail 50", "DOA50"};

const std::array<const char*, 58> kNames{
    "Axe", "Bardiche", "Bascinet", "Battle Axe", "Broad Sword", "Bronze Shield", "Buckler", "Chainmail Coif",
    "Chainmail Leggings", "Chainmail Tunic", "Close Helm", "Cutlass", "Dagger", "Double Axe", "Executioner's Axe",
    "Female Plate", "Halberd", "Hammer Pick", "Heater", "Helmet", "Katana", "Kite (Metal)", "Kite (Wooden)", "Kryss",
    "Large Battle Axe", "Long Sword", "Mace", "Maul", "Metal Shield", "Nose Helm", "Plate Arms", "Plate Breastpiece",
    "Plate Gloves", "Plate Gorget", "Plate Helm", "Plate Leggings", "Ringmail Gloves", "Ringmail Leggings",
    "Ringmail Sleeves", "Ringmail Tunic", "Scimitar", "Short Spear", "Spear", "Two-handed Axe", "Viking Sword",
    "War Axe", "War Fork", "War Hammer", "War Mace", "*Light Archer", "*Medium Archer", "*Heavy Archer",
    "*Full Plate", "*Punisher Suit", "*Bastard Combo", "*Chainmail", "*Ringmail", "*Raider Suit"};

// ---- bytes ----

TEST(ItemTableBytes, IsPrintableAsciiWithTabsAndCrLfOnly) {
  const std::string_view bytes = carriedBytes();
  ASSERT_FALSE(bytes.empty());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    const bool printable = c >= 0x20 && c <= 0x7E;
    ASSERT_TRUE(printable || c == '\t' || c == '\r' || c == '\n') << "byte " << int(c) << " at " << i;
  }
}

TEST(ItemTableBytes, EveryLineEndsWithCrLfAndNoEmptyLineFollows) {
  const std::string_view bytes = carriedBytes();
  ASSERT_TRUE(bytes.ends_with("\r\n"));
  EXPECT_FALSE(bytes.ends_with("\r\n\r\n"));
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "LF without CR at " << i;
    }
    if (bytes[i] == '\r') {
      ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "CR without LF at " << i;
    }
  }
}

TEST(ItemTableBytes, EveryLineHas37TabsAndNoneIsEmpty) {
  const auto lines = tableLines();
  EXPECT_EQ(lines.size(), 59u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_FALSE(lines[i].empty()) << "line " << i;
    EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), '\t'), 37) << "line " << i;
  }
}

TEST(ItemTableBytes, FirstLineIsTheHeaderAndTheOnlyComment) {
  const auto lines = tableLines();
  ASSERT_FALSE(lines.empty());
  std::string header = ";";
  for (std::size_t i = 0; i < kHeader.size(); ++i) header += (i ? "\t" : "") + std::string(kHeader[i]);
  EXPECT_EQ(lines.front(), header);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with(';'); }), 1);
}

// ---- fixed rows ----

TEST(ItemTableRows, HoldsTheFiftyEightNamesInOrder) {
  ASSERT_EQ(rows().size(), kNames.size());
  for (std::size_t i = 0; i < kNames.size(); ++i) EXPECT_EQ(rows()[i].at(0), kNames[i]) << "row " << i;
}

TEST(ItemTableRows, ItemRowsComeFirstThenSuits) {
  for (std::size_t i = 0; i < rows().size(); ++i)
    EXPECT_EQ(rows()[i].at(0).starts_with('*'), i >= kItemRows) << rows()[i].at(0);
}

struct TellingRow {
  const char* name;
  const char* columns1To37;
};

class TellingRows : public ::testing::TestWithParam<TellingRow> {};

TEST_P(TellingRows, AreExactlyAsGiven) {
  const Row expected = words(GetParam().columns1To37);
  ASSERT_EQ(expected.size(), 37u);
  const Row& actual = rowNamed(GetParam().name);
  for (int column = 1; column <= 37; ++column)
    EXPECT_EQ(actual.at(column), expected.at(column - 1)) << GetParam().name << ", column " << column;
}

INSTANTIATE_TEST_SUITE_P(
    Given, TellingRows,
    ::testing::Values(
        TellingRow{"Axe", "14 24 48 2.7 12 194 72 28 0 0 0 16 52 30 18 0 0 32 30 30 8 0 12 30 30 28 0 "
                          "0 22 30 48 0 0 2 29 69 0"},
        TellingRow{"Female Plate", "20 122 245 6.1 16 380 67.5 31 1.5 0 0 24 47 30 15 8 5.6 30 29 14 27 5.8 "
                                   "9 28 14 49 5.9 0 21 9 70 6 0 8 5 87 6.2"},
        TellingRow{"Plate Breastpiece", "25 136 273 5.4 12 2355 4.5 31.5 17 47 6.3 196 0 24 6 70 6.6 0 8 2 90 "
                                        "6.7 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"},
        TellingRow{"War Fork", "12 0 0 1 12 176 64 29 7 0 0 15 44 30 26 0 0 24 30 30 16 0 4 30 30 36 0 0 15 "
                               "30 55 0 0 0 24 76 0"}),
    [](const auto& info) {
      std::string name = info.param.name;
      std::erase(name, ' ');
      return name;
    });

struct SuitRow {
  int row;
  const char* name;
  const char* ingots;
  const char* parts;
};

const std::array<SuitRow, 9> kSuits{{
    {49, "*Light Archer", "101",
     "Chainmail Leggings, Chainmail Tunic, Ringmail Gloves, Ringmail Sleeves, Plate Gorget, Close Helm"},
    {50, "*Medium Archer", "116",
     "Chainmail Leggings, Chainmail Tunic, Ringmail Gloves, Plate Arms, Plate Gorget, Close Helm"},
    {51, "*Heavy Archer", "123",
     "Chainmail Leggings, Chainmail Tunic, Plate Gloves, Plate Arms, Plate Gorget, Close Helm"},
    {52, "*Full Plate", "348",
     "Plate Leggings, Plate Breastpiece, Plate Gloves, Plate Arms, Plate Gorget, Plate Helm"},
    {53, "*Punisher Suit", "104",
     "Ringmail Gloves, Ringmail Leggings, Plate Arms, Ringmail Tunic, Plate Gorget, Close Helm"},
    {54, "*Bastard Combo", "100",
     "Ringmail Gloves, Ringmail Leggings, Plate Arms, Chainmail Tunic, Plate Gorget, Close Helm"},
    {55, "*Chainmail", "56", "Chainmail Leggings, Chainmail Tunic, Chainmail Coif"},
    {56, "*Ringmail", "58", "Ringmail Gloves, Ringmail Leggings, Ringmail Sleeves, Ringmail Tunic"},
    {57, "*Raider Suit", "89",
     "Ringmail Gloves, Ringmail Leggings, Ringmail Sleeves, Ringmail Tunic, Plate Gorget, Close Helm"},
}};

TEST(ItemTableSuits, AreExactlyAsGiven) {
  ASSERT_EQ(rows().size(), 58u);
  for (const SuitRow& suit : kSuits) {
    const Row& r = rows().at(suit.row);
    EXPECT_EQ(r.at(0), suit.name);
    EXPECT_EQ(r.at(1), suit.ingots) << suit.name;
    EXPECT_EQ(r.at(7), suit.parts) << suit.name;
    for (int column = 2; column < 38; ++column) {
      if (column != 7) {
        EXPECT_EQ(r.at(column), "0") << suit.name << ", column " << column;
      }
    }
  }
}

TEST(ItemTableSuits, IngotsAreTheRoundedSumOfThePartsButForTheBastardCombo) {
  for (const SuitRow& suit : kSuits) {
    double sum = 0.0;
    for (const std::string& part : split(suit.parts, ", ")) {
      const Row& r = rowNamed(part);
      ASSERT_FALSE(r.at(0).starts_with('*')) << part;
      sum += required(r);
    }
    const long total = std::atol(suit.ingots);
    if (std::string_view(suit.name) == "*Bastard Combo")
      EXPECT_NE(std::lround(sum), total) << "the parts add up to " << sum;
    else
      EXPECT_EQ(std::lround(sum), total) << suit.name << ": the parts add up to " << sum;
  }
}

// ---- figures of the item rows ----

TEST(ItemTableFigures, AreNumbersInTheTablesForms) {
  static const std::regex number(R"(0|[1-9][0-9]*|(0|[1-9][0-9]*)\.[0-9]?[1-9])");
  static const std::regex whole(R"(0|[1-9][0-9]*)");
  for (const Row& r : itemRows())
    for (int column = 1; column < 38; ++column)
      EXPECT_TRUE(std::regex_match(r.at(column), number)) << r.at(0) << ", column " << column << ": " << r.at(column);
  for (const Row& r : rows()) {
    EXPECT_TRUE(std::regex_match(r.at(1), whole)) << r.at(0);
    if (r.at(0).starts_with('*')) continue;
    for (int column : {2, 3, 5, 6, 12}) EXPECT_TRUE(std::regex_match(r.at(column), whole)) << r.at(0) << ", " << column;
  }
}

TEST(ItemTableFigures, IngotsRequiredAndTotal2FollowTheFormula) {
  for (const Row& r : itemRows()) {
    const double figure = required(r);
    EXPECT_EQ(r.at(12), std::to_string(std::lround(figure))) << r.at(0) << ": " << figure;
    const int rate = std::atoi(r.at(5).c_str());
    EXPECT_EQ(r.at(6), std::to_string(std::lround(rate * figure))) << r.at(0) << ": " << rate * figure;
  }
}

TEST(ItemTableFigures, RateIs12ButForFemalePlate) {
  for (const Row& r : itemRows()) EXPECT_EQ(r.at(5), r.at(0) == "Female Plate" ? "16" : "12") << r.at(0);
}

// Sell / Ingots rounded half up to one decimal, in exact integer arithmetic, written as the table writes numbers.
std::string perIngot(int sell, int ingots) {
  const int tenths = (20 * sell + ingots) / (2 * ingots);
  return std::to_string(tenths / 10) + (tenths % 10 ? "." + std::to_string(tenths % 10) : "");
}

TEST(ItemTableFigures, PricePerIngotIsSellOverIngotsIn44RowsAndOneRowHas3_75) {
  int following = 0;
  int threeSeventyFive = 0;
  for (const Row& r : itemRows()) {
    const int ingots = std::atoi(r.at(1).c_str());
    ASSERT_GT(ingots, 0) << r.at(0);
    if (r.at(4) == perIngot(std::atoi(r.at(2).c_str()), ingots)) ++following;
    if (r.at(4) == "3.75") ++threeSeventyFive;
  }
  EXPECT_EQ(following, 44);
  EXPECT_EQ(threeSeventyFive, 1);
}

TEST(ItemTableFigures, PricePerIngotRoundsHalfUp) {
  EXPECT_EQ(perIngot(9, 4), "2.3");    // 2.25
  EXPECT_EQ(perIngot(97, 20), "4.9");  // 4.85, which binary floating point holds as a little less
  EXPECT_EQ(perIngot(136, 25), "5.4");
  EXPECT_EQ(perIngot(30, 15), "2");
}

TEST(ItemTableFigures, AllZeroGroupsAreExactlyTheListedOnes) {
  const std::set<std::pair<std::string, int>> expected{
      {"Plate Breastpiece", 70}, {"Plate Breastpiece", 60}, {"Plate Breastpiece", 50}, {"Plate Arms", 60},
      {"Plate Arms", 50},        {"Plate Helm", 60},        {"Plate Helm", 50},        {"Plate Leggings", 60},
      {"Plate Leggings", 50},    {"Plate Gloves", 50},      {"Plate Gorget", 50}};
  std::set<std::pair<std::string, int>> actual;
  for (const Row& r : itemRows())
    for (int level = 0; level < kLevels; ++level)
      if (allZero(r, level)) actual.insert({r.at(0), kSkill[level]});
  EXPECT_EQ(actual, expected);
}

TEST(ItemTableFigures, GroupsAddUpTo100ButSpearAt100AndBascinetAt60) {
  const std::map<std::pair<std::string, int>, double> odd{{{"Spear", 100}, 99.0}, {{"Bascinet", 60}, 149.0}};
  for (const Row& r : itemRows())
    for (int level = 0; level < kLevels; ++level) {
      if (allZero(r, level)) continue;
      const auto it = odd.find({r.at(0), kSkill[level]});
      EXPECT_DOUBLE_EQ(percentSum(r, level), it == odd.end() ? 100.0 : it->second) << r.at(0) << " at " << kSkill[level];
    }
}

TEST(ItemTableFigures, DoaIsZeroOrBetween1_6And6_7AndReachesBoth) {
  double lowest = 100.0;
  double highest = 0.0;
  for (const Row& r : itemRows())
    for (int level = 0; level < kLevels; ++level) {
      const std::string& doa = r.at(kGroupStart[level] + 4);
      if (doa == "0") continue;
      const double value = std::atof(doa.c_str());
      EXPECT_GE(value, 1.6) << r.at(0) << " at " << kSkill[level];
      EXPECT_LE(value, 6.7) << r.at(0) << " at " << kSkill[level];
      lowest = std::min(lowest, value);
      highest = std::max(highest, value);
    }
  EXPECT_DOUBLE_EQ(lowest, 1.6);
  EXPECT_DOUBLE_EQ(highest, 6.7);
}

TEST(ItemTableFigures, PlateBreastpieceHasTheLargestIngotsRequiredAndTotal2) {
  const Row& breastpiece = rowNamed("Plate Breastpiece");
  for (const Row& r : itemRows()) {
    if (r.at(0) == breastpiece.at(0)) continue;
    EXPECT_LT(std::atoi(r.at(12).c_str()), std::atoi(breastpiece.at(12).c_str())) << r.at(0);
    EXPECT_LT(std::atoi(r.at(6).c_str()), std::atoi(breastpiece.at(6).c_str())) << r.at(0);
  }
}

TEST(ItemTableFigures, ChainmailLeggingsIsTheLongestName) {
  const std::string longest = "Chainmail Leggings";
  for (const Row& r : rows()) {
    if (r.at(0) != longest) {
      EXPECT_LT(r.at(0).size(), longest.size()) << r.at(0);
    }
  }
}

// What a player would find believable: lower skill never makes an exceptional piece likelier or a failure
// rarer, and a DOA figure stands only where attempts fail.
TEST(ItemTableFigures, ChancesWorsenAsSkillFalls) {
  for (const Row& r : itemRows()) {
    std::vector<std::array<double, 5>> live;
    for (int level = 0; level < kLevels; ++level) {
      if (allZero(r, level)) continue;
      live.push_back(group(r, level));
      if (live.back()[3] == 0.0) {
        EXPECT_EQ(live.back()[4], 0.0) << r.at(0) << " at " << kSkill[level];
      }
    }
    for (std::size_t i = 1; i < live.size(); ++i) {
      EXPECT_LE(live[i][0], live[i - 1][0]) << r.at(0) << ": exceptional rises as skill falls";
      EXPECT_GE(live[i][3], live[i - 1][3]) << r.at(0) << ": failures fall as skill falls";
    }
  }
}

}  // namespace
