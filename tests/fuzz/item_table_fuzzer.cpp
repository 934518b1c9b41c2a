// Fuzz target: arbitrary bytes as the item table of a main window that starts on them. The loader must keep
// its arrays in step, list exactly their names, never report a failure for bytes that are all there, and
// give each line the fields a plain split at its TABs gives; the first row's display must not crash.
#include "tests/fuzz/HeadlessFuzzing.h"
#include "tests/support/PriceDlgProbe.h"
#include "tests/support/TableModule.h"

#include <QComboBox>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {
using Fields = std::vector<std::string>;

// The rows the loader must produce, worked out the plain way: lines end at LF (a CR before it goes too),
// empty lines and lines starting with ";" carry nothing, a line is seen up to its NUL, and one with fewer
// than 37 TABs there has only empty fields; otherwise the 38th field takes the rest, TABs and all.
std::vector<Fields> plainSplit(std::string_view bytes) {
  std::vector<Fields> rows;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.front() == ';') continue;
    line = line.substr(0, line.find('\0'));
    Fields fields(38);
    if (std::count(line.begin(), line.end(), '\t') >= 37) {
      for (int k = 0; k < 37; ++k) {
        const std::size_t tab = line.find('\t');
        fields[k] = line.substr(0, tab);
        line.remove_prefix(tab + 1);
      }
      fields[37] = line;
    }
    rows.push_back(std::move(fields));
  }
  return rows;
}

[[noreturn]] void fail(const char* what, int row, int column) {
  std::fprintf(stderr, "item_table_fuzzer: %s (row %d, column %d)\n", what, row, column);
  std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // A first row whose ingots read as 0 is a fair case; no other message may come.
  startHeadlessFuzzing(argc, argv, "item_table_fuzzer", {"Invalid value entered for Ingots"});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  // One window for the whole run, loaded afresh for each input the way its start-up loads it.
  static PriceDlgProbe& dlg = *[] {
    auto* window = new PriceDlgProbe;
    if (!window->Create()) fail("the window did not open", -1, -1);
    return window;
  }();
  static_cast<ItemCatalogue&>(dlg) = ItemCatalogue();
  const TableModule table(bytes);
  const ScopedResourceHandle handle(&table);
  dlg.OnLoad();
  dlg.m_comboItem.SetCurSel(0);
  dlg.OnSelchangeItem();

  const int rows = dlg.m_arrItem.GetSize();
  for (const CatalogueColumn& column : kCatalogueColumns)
    if ((dlg.*column.array).GetSize() != rows) fail("arrays of unequal length", rows, column.column);
  const QComboBox* list = dlg.control<QComboBox>(IDC_ITEM);
  if (list->count() != rows) fail("list and catalogue differ in length", rows, -1);
  for (int row = 0; row < rows; ++row)
    if (list->itemText(row) != QString::fromUtf8(dlg.m_arrItem.ElementAt(row))) fail("list entry differs", row, 0);
  const std::vector<Fields> expected = plainSplit(bytes);
  if (static_cast<std::size_t>(rows) != expected.size()) fail("row count differs from the plain split", rows, -1);
  for (int row = 0; row < rows; ++row)
    for (const CatalogueColumn& column : kCatalogueColumns)
      if ((dlg.*column.array).ElementAt(row) != expected[row][column.column]) fail("field differs", row, column.column);
  return 0;
}
