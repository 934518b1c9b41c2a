// The item table the program carries, as compiled in: its bytes, and its stored figures against the calculation.
#include "pricing/IngotsRequired.h"
#include "tests/support/Support.h"

#include <cmath>
#include <map>
#include <sstream>

namespace {
std::vector<std::vector<std::string>> dataRows(const std::string& bytes) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream table(bytes);
  for (std::string line; std::getline(table, line);) {
    if (line.starts_with(';')) continue;
    std::vector<std::string>& fields = rows.emplace_back();
    std::istringstream row(line.substr(0, line.size() - 1));
    for (std::string field; std::getline(row, field, '\t');) fields.push_back(field);
  }
  return rows;
}

TEST(ItemTable, IsAsciiLinesOfThirtyEightFieldsEndedByCrLfUnderOneCommentLine) {
  const ResourceBytes resource = AfxGetResourceHandle()->FindResource(IDR_ITEM_TABLE, RT_HTML);
  ASSERT_NE(resource.data, nullptr) << "the table must be read in place";
  const std::string bytes(resource.data, resource.size);
  EXPECT_TRUE(std::ranges::all_of(bytes, [](char c) { return (c >= ' ' && c <= '~') || c == '\t' || c == '\r' || c == '\n'; }));
  int lines = 0, comments = 0;
  for (std::size_t from = 0; from < bytes.size(); ++lines) {
    const std::size_t end = bytes.find("\r\n", from);
    ASSERT_NE(end, std::string::npos) << "line " << lines << " has no CR LF";
    const std::string line = bytes.substr(from, end - from);
    EXPECT_EQ(std::ranges::count(line, '\t'), 37) << line;
    EXPECT_EQ(std::ranges::count(line, '\r') + std::ranges::count(line, '\n'), 0) << line;
    comments += line.starts_with(';');
    from = end + 2;
  }
  EXPECT_EQ(lines, 59);
  EXPECT_EQ(comments, 1);
  EXPECT_TRUE(bytes.starts_with(";Item\t"));
}

// Column 12 holds an item's ingots required at level 100 and column 6 that times its Rate (column 5), both
// rounded; a suit's ingots are the rounded sum of its parts', all but the one combination sold for less.
TEST(ItemTable, StoredFiguresAreTheCalculationsRounded) {
  const ResourceBytes resource = AfxGetResourceHandle()->FindResource(IDR_ITEM_TABLE, RT_HTML);
  const auto rows = dataRows(std::string(resource.data, resource.size));
  ASSERT_EQ(rows.size(), 58u);
  std::map<std::string, double> required;
  for (const auto& r : rows) {
    if (r[0].starts_with('*')) {
      double sum = 0;
      std::istringstream parts(r[7]);
      for (std::string part; std::getline(parts >> std::ws, part, ',');) sum += required.at(part);
      EXPECT_EQ(std::lround(sum) == std::atol(r[1].c_str()), r[0] != "*Bastard Combo") << r[0] << ": " << sum;
      continue;
    }
    const double figure = ingotsRequired(std::atoi(r[1].c_str()), r[7].c_str(), r[8].c_str(), r[9].c_str(), r[10].c_str(), r[11].c_str());
    required[r[0]] = figure;
    EXPECT_EQ(r[12], std::to_string(std::lround(figure))) << r[0];
    EXPECT_EQ(r[6], std::to_string(std::lround(std::atoi(r[5].c_str()) * figure))) << r[0];
  }
  EXPECT_EQ(required.size(), 49u);
}
}  // namespace
