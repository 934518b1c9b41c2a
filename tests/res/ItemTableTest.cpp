// The item table the program carries, as compiled in: its bytes, and its stored figures against the calculation.
#include "pricing/IngotsRequired.h"
#include "tests/support/Support.h"

#include <cmath>
#include <map>
#include <sstream>

// Column 12: ingots required at level 100, column 6: that times the Rate (column 5), both rounded; a suit's ingots: the
// rounded sum of its parts', all but the one combination sold for less.
TEST(ItemTable, IsLinesOfThirtyEightFieldsWhoseStoredFiguresAreTheCalculationsRounded) {
  const ResourceBytes resource = AfxGetResourceHandle()->FindResource(IDR_ITEM_TABLE, RT_HTML);
  ASSERT_NE(resource.data, nullptr) << "the table must be read in place";
  const std::string bytes(resource.data, resource.size);
  EXPECT_TRUE(
      std::ranges::all_of(bytes, [](char c) { return (c >= ' ' && c <= '~') || c == '\t' || c == '\r' || c == '\n'; }));
  EXPECT_TRUE(bytes.starts_with(";Item\t") && bytes.ends_with("\r\n"));
  EXPECT_EQ(std::ranges::count(bytes, '\n'), std::ranges::count(bytes, '\r'));
  std::map<std::string, double> required;
  std::istringstream table(bytes.substr(bytes.find('\n') + 1));
  for (std::string line; std::getline(table, line);) {
    std::vector<std::string> r;
    std::istringstream fields(line.substr(0, line.size() - 1));
    for (std::string field; std::getline(fields, field, '\t');)
      r.push_back(field);
    ASSERT_EQ(std::ranges::count(line, '\t'), 37) << line;
    ASSERT_FALSE(r[0].starts_with(';')) << "a second comment line";
    if (r[0].starts_with('*')) {
      double sum = 0;
      std::istringstream parts(r[7]);
      for (std::string part; std::getline(parts >> std::ws, part, ',');)
        sum += required.at(part);
      EXPECT_EQ(std::lround(sum) == std::atol(r[1].c_str()), r[0] != "*Bastard Combo") << r[0] << ": " << sum;
      continue;
    }
    const double figure =
        ingotsRequired(std::atoi(r[1].c_str()), r[7].c_str(), r[8].c_str(), r[9].c_str(), r[10].c_str(), r[11].c_str());
    required[r[0]] = figure;
    EXPECT_EQ(r[12], std::to_string(std::lround(figure))) << r[0];
    EXPECT_EQ(r[6], std::to_string(std::lround(std::atoi(r[5].c_str()) * figure))) << r[0];
  }
  EXPECT_GT(required.size(), 0u);
}
