// The item table the program carries: ASCII lines of 38 fields read in place, whose stored figures are the
// calculation's, rounded.
#include "pricing/ItemFigures.h"
#include "tests/support/Support.h"

#include <cmath>
#include <map>
#include <sstream>

namespace {
// Column 12: ingots required at level 100; column 6: that times the Rate of column 5; a suit's ingots: the sum of
// its parts' ingots required, all rounded, but for the one combination sold for less.
TEST(ItemTable, StoresTheCalculationsFiguresRounded) {
  const ResourceBytes resource = AfxGetResourceHandle()->FindResource(IDR_ITEM_TABLE, RT_HTML);
  ASSERT_NE(resource.data, nullptr) << "read in place";
  std::istringstream table(std::string(resource.data, resource.size));
  std::map<std::string, double> required;
  int rows = 0;
  for (std::string line; std::getline(table, line);) {
    EXPECT_TRUE(line.ends_with('\r') &&
                std::ranges::all_of(line, [](char c) { return c >= ' ' || c == '\t' || c == '\r'; }));
    std::vector<std::string> r;
    std::istringstream fields(line.substr(0, line.size() - 1));
    for (std::string field; std::getline(fields, field, '\t');)
      r.push_back(field);
    EXPECT_EQ(r.size(), 38u) << line;
    if (r.size() != 38 || r[0].starts_with(';'))
      continue;
    ++rows;
    const Calculation item = calculate({r[0], r[1], {r[7], r[8], r[9], r[10], r[11]}}, std::atoi(r[5].c_str()));
    required[r[0]] = item.ingotsRequired;
    if (!item.isSuit) {
      EXPECT_EQ(r[12], std::to_string(std::lround(item.ingotsRequired))) << r[0];
      EXPECT_EQ(r[6], std::to_string(std::lround(item.price))) << r[0];
      continue;
    }
    double sum = 0;
    std::istringstream parts(r[7]);
    for (std::string part; std::getline(parts >> std::ws, part, ',');)
      sum += required.at(part);
    EXPECT_EQ(std::lround(sum) == std::atol(r[1].c_str()), r[0] != "*Bastard Combo") << r[0] << ": " << sum;
  }
  EXPECT_EQ(rows, 58);
}
}  // namespace
