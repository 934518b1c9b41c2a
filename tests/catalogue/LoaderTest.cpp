// The loader over tables of our own making: which lines become rows, and how a line splits into its fields.
#include "catalogue/ItemTableLoader.h"
#include "tests/support/Support.h"

namespace {
// A data line whose field k reads "<name>.<k>", with tabs TABs; a full line has 37.
std::string line(const std::string& name, int tabs = 37) {
  std::string text = name;
  for (int k = 1; k <= tabs; ++k)
    text += "\t" + name + "." + std::to_string(k);
  return text;
}

// A row by its first and last fields: the name, and the last column, which takes the rest of the line.
using Row = std::pair<CString, CString>;
const Row a{"a", "a.37"};
const Row b{"b", "b.37"};
const Row empty{"", ""};

TEST(Loader, GivesOneRowPerDataLineSplitIntoItsFields) {
  const struct {
    const char* name;
    std::optional<std::string> bytes;
    std::vector<Row> rows;
    bool inPlace = true;
  } cases[] = {
      {"comment lines anywhere", ";Item\r\n" + line("a") + "\r\n;x\r\n;\r\n" + line("b") + "\r\n" + line(";c"), {a, b}},
      {"a blank before the semicolon", " ;x\r\n", {empty}},
      {"empty lines add none", "\r\n" + line("a") + "\r\n\r\n" + line("b") + "\r\n\r\n", {a, b}},
      {"a line of blanks is a row", line("a") + "\r\n   \r\n" + line("b"), {a, empty, b}},
      {"a short line is an empty row", line("a") + "\r\n" + line("c", 36) + "\r\n" + line("b"), {a, empty, b}},
      {"surplus TABs in the last field", line("m", 39), {{"m", "m.37\tm.38\tm.39"}}},
      {"LF line ends", line("a") + "\n" + line("b") + "\n", {a, b}},
      {"a CR at the very end is text", line("a") + "\r", {{"a", "a.37\r"}}},
      {"no table", std::nullopt, {}},
      {"a table not readable in place", line("a"), {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TableModule table(c.bytes, c.inPlace);
    const CollectedMessages messages;
    ItemCatalogue catalogue;
    loadItemTable(catalogue);
    std::vector<Row> rows;
    for (int r = 0; r < catalogue.m_arrItem.GetSize(); ++r)
      rows.emplace_back(catalogue.m_arrItem.GetAt(r), catalogue.m_arrDOA50.GetAt(r));
    EXPECT_EQ(rows, c.rows);
    const std::vector<CString> failure{"Data File could not be opened.  (error = 1)"};
    EXPECT_EQ(messages.texts, c.inPlace ? std::vector<CString>{} : failure);
  }
}

}  // namespace
