// The loader over tables of our own making: which lines become rows, and what each field holds.
#include "catalogue/CRegex.h"
#include "catalogue/ItemTableLoader.h"
#include "tests/support/Support.h"

namespace {
// A data line whose field k reads "<name>.<k>", with tabs TABs.
std::string line(const std::string& name, int tabs = 37) {
  std::string text = name;
  for (int k = 1; k <= tabs; ++k)
    text += "\t" + name + "." + std::to_string(k);
  return text;
}

// The loaded columns of each line as the row pattern splits it: surplus TABs in the last, all empty when too few.
std::vector<std::vector<CString>> rowsOf(const std::vector<std::string>& lines) {
  std::vector<std::vector<CString>> rows;
  for (const std::string& text : lines) {
    std::vector<CString> fields(38);
    std::size_t start = 0;
    for (std::size_t k = 0; k < 37 && std::ranges::count(text, '\t') >= 37; ++k) {
      const std::size_t end = text.find('\t', start);
      fields[k] = text.substr(start, end - start);
      start = end + 1;
    }
    if (start > 0)
      fields[37] = text.substr(start);
    std::vector<CString>& row = rows.emplace_back();
    for (const CatalogueColumn& column : kCatalogueColumns)
      row.push_back(fields[static_cast<std::size_t>(column.column)]);
  }
  return rows;
}

std::vector<std::vector<CString>> rowsOf(const ItemCatalogue& catalogue) {
  std::vector<std::vector<CString>> rows(static_cast<std::size_t>(catalogue.m_arrItem.GetSize()));
  for (const CatalogueColumn& column : kCatalogueColumns)
    for (int r = 0; r < (catalogue.*column.array).GetSize(); ++r)
      rows.at(static_cast<std::size_t>(r)).push_back((catalogue.*column.array).GetAt(r));
  return rows;
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
      {"comment lines anywhere", ";Item\r\n" + a + "\r\n;x\r\n;\r\n" + b + "\r\n" + line(";late"), {a, b}},
      {"a blank before the semicolon", " ;x\r\n", {" ;x"}},
      {"empty lines add none", "\r\n" + a + "\r\n\r\n" + b + "\r\n\r\n", {a, b}},
      {"a line of blanks is a row", a + "\r\n   \r\n" + b, {a, "   ", b}},
      {"a short line is an empty row", a + "\r\n" + line("c", 36) + "\r\n" + b, {a, line("c", 36), b}},
      {"surplus TABs in the last field", line("m", 40), {line("m", 40)}},
      {"empty fields", std::string(37, '\t'), {std::string(37, '\t')}},
      {"LF line ends", a + "\n" + b + "\n", {a, b}},
      {"a CR at the very end is text", a + "\r", {a + "\r"}},
      {"no table", std::nullopt, {}},
      {"a table not readable in place", a, {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TableModule table(c.bytes, c.inPlace);
    const CollectedMessages messages;
    ItemCatalogue catalogue;
    loadItemTable(catalogue);
    EXPECT_EQ(rowsOf(catalogue), rowsOf(c.rows));
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
