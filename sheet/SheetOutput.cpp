// The columns of the price sheet and its two layouts.
#include "sheet/SheetOutput.h"

#include "sheet/Csv.h"
#include "sheet/TextTable.h"

namespace {
// A level's columns: the five results under the window's captions, the ingots required and the price.
std::vector<CString> levelHeadings() {
  std::vector<CString> headings(kRateCaptions.begin(), kRateCaptions.end());
  headings.emplace_back("Ingots Required");
  headings.emplace_back("Price");
  return headings;
}

// A suit's rates stay empty, as the window hides them.
void appendFigures(std::vector<CString>& cells, const ItemFigures& figures, const CString& price) {
  for (const CString& rate : figures.texts.rates)
    cells.push_back(figures.calculation.isSuit ? CString() : rate);
  cells.push_back(figures.calculation.ingotsRequiredText);
  cells.push_back(price);
}

std::vector<CString> textCells(const ItemFigures& figures) {
  std::vector<CString> cells{figures.texts.name, figures.texts.ingots};
  appendFigures(cells, figures, figures.calculation.priceText);
  cells.push_back(figures.setContents);
  return cells;
}

CString plainNumber(double value) {
  CString text;
  text.Format("%.2f", value);
  return text;
}
}  // namespace

void writeSheetText(std::ostream& out, const PriceSheet& sheet, SheetSort sort) {
  std::vector<CString> headings{"Item", "Ingots"};
  for (const CString& heading : levelHeadings())
    headings.push_back(heading);
  headings.emplace_back("Set Contents");

  std::vector<Alignment> alignments(headings.size(), Alignment::right);
  alignments.front() = Alignment::left;
  alignments.back() = Alignment::left;
  // One set of widths for every block, so that the blocks of all levels line up under each other.
  TextTable table(alignments);
  table.fit(headings);
  for (const SheetRow& row : sheet.rows)
    for (const ItemFigures& figures : row.figures)
      table.fit(textCells(figures));

  for (std::size_t group = 0; group < sheet.levels.size(); ++group) {
    if (group > 0)
      out << '\n';
    out << "Skill " << sheet.levels[group]->level << ", Rate " << sheet.rate << '\n';
    table.write(out, headings);
    for (const SheetRow* row : sortedRows(sheet, sort, group))
      table.write(out, textCells(row->figures[group]));
  }
}

void writeSheetCsv(std::ostream& out, const PriceSheet& sheet, SheetSort sort) {
  std::vector<CString> headings{"Item", "Ingots"};
  for (const SkillLevel* level : sheet.levels)
    for (const CString& heading : levelHeadings())
      headings.push_back(heading + " (Skill " + std::to_string(level->level) + ")");
  headings.emplace_back("Set Contents");
  writeCsvRecord(out, headings);

  for (const SheetRow* row : sortedRows(sheet, sort, 0)) {
    std::vector<CString> fields{row->first().texts.name, row->first().texts.ingots};
    for (const ItemFigures& figures : row->figures)
      appendFigures(fields, figures, plainNumber(figures.calculation.price));
    fields.push_back(row->first().setContents);
    writeCsvRecord(out, fields);
  }
}
