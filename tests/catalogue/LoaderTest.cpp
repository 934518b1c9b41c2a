// The loader over tables of our own making: which lines become rows, and what each field holds.
#include "catalogue/CRegex.h"
#include "catalogue/ItemTableLoader.h"
#include "tests/support/Support.h"

#include <sstream>

namespace {
// A data line whose field k reads "<name>.<k>", with tabs TABs.
std::string line(const std::string& name, int tabs = 37) {
  std::string text = name;
  for (int k = 1; k <= tabs; ++k)
    text += "\t" + name + "." + std::to_string(k);
  return text;
}

std::string lines(const std::vector<std::string>& each) {
  std::string bytes;
  for (const std::string& text : each)
    bytes += text + "\r\n";
  return bytes;
}

// The 38 fields as the row pattern splits a line: surplus TABs in the last field, all empty when too few.
std::vector<std::string> fieldsOf(const std::string& text) {
  std::vector<std::string> fields(38);
  if (std::ranges::count(text, '\t') < 37)
    return fields;
  std::istringstream in(text);
  for (std::string& field : fields)
    std::getline(in, field, &field == &fields.back() ? '\0' : '\t');
  return fields;
}

// Every column of every row, as "row r, column k: text".
std::vector<std::string> cellsOf(const ItemCatalogue& catalogue) {
  std::vector<std::string> cells;
  for (const CatalogueColumn& column : kCatalogueColumns) {
    const CStringArray& array = catalogue.*column.array;
    for (int r = 0; r < array.GetSize(); ++r)
      cells.push_back("row " + std::to_string(r) + ", column " + std::to_string(column.column) + ": " + array.GetAt(r));
  }
  return cells;
}

std::vector<std::string> cellsOf(const std::vector<std::string>& rows) {
  std::vector<std::string> cells;
  for (const CatalogueColumn& column : kCatalogueColumns)
    for (std::size_t r = 0; r < rows.size(); ++r)
      cells.push_back("row " + std::to_string(r) + ", column " + std::to_string(column.column) + ": " +
                      fieldsOf(rows[r])[static_cast<std::size_t>(column.column)]);
  return cells;
}

TEST(Loader, GivesOneRowOfFieldsPerDataLine) {
  const std::string a = line("a");
  const std::string b = line("b");
  const struct {
    const char* name;
    std::optional<std::string> bytes;
    std::vector<std::string> rows;  // the data lines expected, in order
    bool inPlace = true;
  } cases[] = {
      {"comment lines anywhere", lines({line(";Item"), a, ";x", ";", b, line(";late")}), {a, b}},
      {"a blank before the semicolon", lines({line(" ;x")}), {line(" ;x")}},
      {"empty lines add none", "\r\n" + lines({a, "", b, ""}), {a, b}},
      {"a line of blanks is a row", lines({a, "   ", b}), {a, "   ", b}},
      {"a short line is an empty row", lines({a, line("c", 36), b}), {a, line("c", 36), b}},
      {"surplus TABs in the last field", lines({line("m", 40)}), {line("m", 40)}},
      {"empty fields", lines({std::string(37, '\t')}), {std::string(37, '\t')}},
      {"LF line ends and a last line without one", a + "\n" + b, {a, b}},
      {"a CR at the very end is text", a + "\r", {a + "\r"}},
      {"no table", std::nullopt, {}},
      {"a table not readable in place", lines({a}), {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TableModule table(c.bytes, c.inPlace);
    const CollectedMessages messages;
    ItemCatalogue catalogue;
    loadItemTable(catalogue);
    EXPECT_EQ(cellsOf(catalogue), cellsOf(c.rows));
    const std::vector<CString> failure{"Data File could not be opened.  (error = 1)"};
    EXPECT_EQ(messages.texts, c.inPlace ? std::vector<CString>{} : failure);
  }
}

TEST(Regex, GivesAGroupOfTheFirstMatchOrNothing) {
  const CRegex pattern("b(c)?(d)");
  const std::pair<int, const char*> groups[] = {{0, "bd"}, {1, ""}, {2, "d"}, {59, ""}, {60, ""}, {-1, ""}};
  for (const auto& [index, text] : groups)
    EXPECT_EQ(pattern.GetGroup("abdbcd", index), text) << index;
  EXPECT_EQ(CRegex("(").GetGroup("(", 0), "") << "a pattern that does not compile";
}
}  // namespace
