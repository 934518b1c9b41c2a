// The item table the program carries, as compiled in: its bytes, and its stored figures against the calculation.
#include "pricing/ItemFigures.h"
#include "tests/support/Support.h"

#include <cmath>
#include <map>
#include <sstream>

namespace {
std::string carriedBytes() {
  const ResourceBytes resource = AfxGetResourceHandle()->FindResource(IDR_ITEM_TABLE, RT_HTML);
  return resource.data ? std::string(resource.data, resource.size) : std::string();
}

// The data lines, each split at its TABs.
std::vector<std::vector<std::string>> dataRows() {
  std::vector<std::vector<std::string>> rows;
  std::istringstream table(carriedBytes());
  for (std::string line; std::getline(table, line);) {
    if (line.starts_with(';'))
      continue;
    std::istringstream fields(line.substr(0, line.size() - 1));
    std::vector<std::string>& row = rows.emplace_back();
    for (std::string field; std::getline(fields, field, '\t');)
      row.push_back(field);
  }
  return rows;
}

TEST(ItemTable, IsReadInPlaceAsPrintableAsciiLinesEndedByCRLF) {
  const std::string bytes = carriedBytes();
  EXPECT_NE(AfxGetResourceHandle()->FindResource(IDR_ITEM_TABLE, RT_HTML).data, nullptr);
  EXPECT_TRUE(
      std::ranges::all_of(bytes, [](char c) { return (c >= ' ' && c <= '~') || c == '\t' || c == '\r' || c == '\n'; }));
  EXPECT_TRUE(bytes.starts_with(";Item\tIngots\t"));
  EXPECT_TRUE(bytes.ends_with("\r\n"));
  EXPECT_EQ(std::ranges::count(bytes, '\n'), std::ranges::count(bytes, '\r'));
}

TEST(ItemTable, HasFiftyEightRowsOfThirtyEightFieldsAfterOneCommentLine) {
  const auto rows = dataRows();
  EXPECT_EQ(rows.size(), 58u);
  for (const auto& row : rows)
    EXPECT_EQ(row.size(), 38u) << row.front();
}

// Column 12: ingots required at level 100; column 6: that times the Rate of column 5; both rounded.
TEST(ItemTable, StoresTheCalculationRoundedForEveryItem) {
  for (const auto& r : dataRows()) {
    if (r.front().starts_with('*'))
      continue;
    const Calculation calculation = calculate({r[0], r[1], {r[7], r[8], r[9], r[10], r[11]}}, std::atoi(r[5].c_str()));
    EXPECT_EQ(r[12], std::to_string(std::lround(calculation.ingotsRequired))) << r[0];
    EXPECT_EQ(r[6], std::to_string(std::lround(calculation.price))) << r[0];
  }
}

// A suit's ingots are the rounded sum of its parts' ingots required, all but the one combination sold for less.
TEST(ItemTable, StoresEachSuitsIngotsAsItsPartsSumRoundedButOne) {
  std::map<std::string, double> required;
  for (const auto& r : dataRows())
    required[r[0]] = calculate({r[0], r[1], {r[7], r[8], r[9], r[10], r[11]}}, 0).ingotsRequired;
  for (const auto& r : dataRows()) {
    if (!r.front().starts_with('*'))
      continue;
    double sum = 0;
    std::istringstream parts(r[7]);
    for (std::string part; std::getline(parts >> std::ws, part, ',');)
      sum += required.at(part);
    EXPECT_EQ(std::lround(sum) == std::atol(r[1].c_str()), r[0] != "*Bastard Combo") << r[0] << ": " << sum;
  }
}
}  // namespace
