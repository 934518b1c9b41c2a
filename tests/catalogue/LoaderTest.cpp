// The loader over tables of our own making: which lines become rows, and what each field holds.
#include "catalogue/CRegex.h"
#include "catalogue/ItemTableLoader.h"
#include "tests/support/Support.h"

#include <sstream>

// A data line whose field k reads "<name>.<k>", with tabs TABs.
static std::string line(const std::string& name, int tabs = 37) {
  std::string text = name;
  for (int k = 1; k <= tabs; ++k)
    text += "\t" + name + "." + std::to_string(k);
  return text;
}

static std::string lines(const std::vector<std::string>& each) {
  std::string bytes;
  for (const std::string& text : each)
    bytes += text + "\r\n";
  return bytes;
}

// The 38 fields as the row pattern splits a line: surplus TABs in the last field, all empty when too few.
static std::vector<std::string> fieldsOf(const std::string& text) {
  std::vector<std::string> fields(38);
  std::istringstream in(text);
  for (std::string& field : fields)
    std::getline(in, field, &field == &fields.back() ? '\0' : '\t');
  return std::ranges::count(text, '\t') < 37 ? std::vector<std::string>(38) : fields;
}

TEST(Loader, TakesEveryDataLineAsARowOfItsFieldsAndReportsATableThatCannotBeRead) {
  const std::string a = line("a"), b = line("b");
  const struct {
    const char* name;
    std::optional<std::string> bytes;
    std::vector<std::string> rows;
    bool inPlace = true;
  } cases[] = {
      {"comment lines anywhere", lines({line(";Item"), a, ";x", ";", b, line(";late")}), {a, b}},
      {"a blank before the semicolon", lines({line(" ;x")}), {line(" ;x")}},
      {"empty lines add none, blank and short lines empty rows",
       "\r\n" + lines({a, "", "   ", line("c", 36), b}),
       {a, "   ", line("c", 36), b}},
      {"LF line ends and a last line without one", a + "\n" + b, {a, b}},
      {"a CR at the very end is text", a + "\r", {a + "\r"}},
      {"more TABs than fields, and empty fields",
       lines({line("m", 40), std::string(37, '\t')}),
       {line("m", 40), std::string(37, '\t')}},
      {"an absent table", std::nullopt, {}},
      {"a table that cannot be read in place", lines({a}), {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TableModule table(c.bytes, c.inPlace);
    const CollectedMessages messages;
    ItemCatalogue catalogue;
    loadItemTable(catalogue);
    for (const CatalogueColumn& column : kCatalogueColumns) {
      const CStringArray& array = catalogue.*column.array;
      ASSERT_EQ(array.GetSize(), static_cast<int>(c.rows.size())) << "column " << column.column;
      for (std::size_t r = 0; r < c.rows.size(); ++r)
        EXPECT_EQ(array.GetAt(int(r)), fieldsOf(c.rows[r])[column.column]) << r;
    }
    EXPECT_EQ(messages.texts,
              c.inPlace ? std::vector<CString>{} : std::vector<CString>{"Data File could not be opened.  (error = 1)"});
  }
  for (const auto& [index, group] : {std::pair{0, "b"}, {1, ""}, {60, ""}})
    EXPECT_EQ(CRegex("b(c)?").GetGroup("abd", index), group) << index;
}
